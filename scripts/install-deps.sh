#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages Tarvex needs: to build and run it by
# default; with --tests also what the tests, benchmarks, fuzzers and the
# package checks need.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n qt6-l10n-tools
    libgl-dev libqt6sql6-sqlite
    fonts-liberation
)
if [ "${1:-}" = "--tests" ]; then
    packages+=(
        python3 locales
        libgtest-dev libgmock-dev libbenchmark-dev
        clang libclang-rt-14-dev
        xvfb xauth xdotool imagemagick
        lintian desktop-file-utils appstream shared-mime-info
    )
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
