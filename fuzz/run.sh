#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for SECONDS
# (default 60), starting from the seed corpora in fuzz/corpus/. New inputs
# go to build-fuzz/corpus/; a crash leaves its input in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_FUZZ=ON \
    -DTARVEX_BUILD_TESTS=OFF -DTARVEX_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzzers -j"$(nproc)"
status=0
for target in language_file program_settings settings_file port_map reply_framing recording_csv; do
    mkdir -p "build-fuzz/corpus/$target"
    log="build-fuzz/fuzz_$target.log"
    if ./build-fuzz/bin/fuzz_$target -max_total_time="$SECONDS_EACH" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crash-$target-" "build-fuzz/corpus/$target" \
        "fuzz/corpus/$target" >"$log" 2>&1; then
        runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
        echo "fuzz_$target: ${runs:-?} runs, no failure"
    else
        echo "fuzz_$target: FAILED, see $log"
        tail -30 "$log"
        status=1
    fi
done
exit $status
