#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Configures and builds Tarvex in build/ (Release unless BUILD_TYPE says
# otherwise). With --program only the programs, without the test suites and
# the benchmarks; by default everything.
set -euo pipefail
cd "$(dirname "$0")/.."
with_tests=ON
if [ "${1:-}" = "--program" ]; then with_tests=OFF; fi
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" \
    -DTARVEX_BUILD_TESTS="$with_tests" -DTARVEX_BUILD_BENCH="$with_tests" >/dev/null
cmake --build build -j"$(nproc)"
