#!/usr/bin/env bash
# Installs the Debian 12 packages Tarvex needs to build, run and test.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
    build-essential cmake pkg-config python3 \
    qt6-base-dev qt6-svg-dev qt6-serialport-dev qt6-qpa-plugins libgl-dev \
    fonts-liberation \
    libgtest-dev libgmock-dev libbenchmark-dev \
    clang libclang-rt-14-dev \
    xvfb xauth >/dev/null
