#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is needed, builds, and starts Tarvex against the simulated
# controller: tarvex-sim serves a pseudo-terminal behind build/run/sim-tty and
# writes build/run/Tarvex.ports, which points COM1 at it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh --program
if [ -x build/bin/tarvex ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display (DISPLAY is not set): Tarvex needs a desktop; build/bin/tarvex-cli works without one" >&2
    exit 1
fi
mkdir -p build/run
cd build/run
../bin/tarvex-sim --link "$PWD/sim-tty" --ports-file Tarvex.ports &
SIM=$!
trap 'kill $SIM 2>/dev/null; wait $SIM 2>/dev/null' EXIT
for _ in $(seq 50); do [ -e sim-tty ] && break; sleep 0.1; done
if [ -x ../bin/tarvex ]; then
    ../bin/tarvex
else
    echo "The simulated controller runs on $PWD/sim-tty (COM1 in Tarvex.ports). Ctrl+C stops it."
    wait $SIM
fi
