#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The speed report: every benchmark of bench/ beside its budget, and the
# program's start-up time, memory and CPU share while polling the simulated
# controller at its real wire rate. Usage: bench/report.sh [POLL_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
POLL_SECONDS="${1:-60}"
scripts/build.sh >/dev/null
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

median() {  # benchmark name, column (time or counter) from JSON
    python3 -c '
import json, sys
data = json.load(open(sys.argv[1]))
for b in data["benchmarks"]:
    if b.get("aggregate_name") == "median" and b["run_name"].startswith(sys.argv[2]):
        print(b[sys.argv[3]]); break' "$@"
}

tmp=$(mktemp -d)
trap 'kill $SIM 2>/dev/null || true; rm -rf "$tmp"' EXIT

build/bin/tarvex_link_bench --benchmark_format=json --benchmark_report_aggregates_only=true \
    >"$tmp/link.json" 2>/dev/null
build/bin/tarvex_scope_bench --benchmark_format=json --benchmark_report_aggregates_only=true \
    >"$tmp/scope.json" 2>/dev/null
build/bin/tarvex_recording_bench --benchmark_format=json --benchmark_report_aggregates_only=true \
    >"$tmp/recording.json" 2>/dev/null
build/bin/tarvex_review_bench --benchmark_format=json --benchmark_report_aggregates_only=true \
    >"$tmp/review.json" 2>/dev/null
build/bin/tarvex_report_bench --benchmark_format=json --benchmark_report_aggregates_only=true \
    >"$tmp/report.json" 2>/dev/null
build/bin/tarvex_review_window_bench --benchmark_format=json --benchmark_report_aggregates_only=true \
    >"$tmp/review_window.json" 2>/dev/null
# The real view keeps its Tarvex.ini in the folder it starts in: build/run.
mkdir -p build/run
# The history benchmark keeps its files on the disk, in build/run, as the
# program would beside its Tarvex.ini.
(cd build/run && exec ../bin/tarvex_history_bench --benchmark_format=json \
    --benchmark_report_aggregates_only=true) >"$tmp/history.json" 2>/dev/null
(cd build/run && exec ../bin/tarvex_scope_tick_bench --benchmark_format=json \
    --benchmark_report_aggregates_only=true) >"$tmp/tick.json" 2>/dev/null

printf '%-34s %12s %12s %8s\n' "figure" "measured" "budget" "ok"
row() {  # name value budget unit (value <= budget is ok)
    ok=$(python3 -c "print('yes' if float('$2') <= float('$3') else 'NO')")
    printf '%-34s %10.3f %s %10.3f %s %6s\n' "$1" "$2" "$4" "$3" "$4" "$ok"
}
for read in StatusPoll ReadLive ReadSettings1 ReadSettings2; do
    ms=$(median "$tmp/link.json" "BM_$read" real_time)
    wire=$(median "$tmp/link.json" "BM_$read" wire_ms)
    ratio=$(median "$tmp/link.json" "BM_$read" ratio)
    row "$read round trip (median)" "$ms" "$(python3 -c "print($wire * 1.10)")" ms
    printf '%-34s %10.3f    (wire %.3f ms, goal <= 1.10)\n' "  ratio to wire time" "$ratio" "$wire"
done
tick_us=$(median "$tmp/scope.json" BM_RecordScopeTick real_time)
redraw_us=$(median "$tmp/scope.json" BM_RedrawScopeTraces real_time)
row "RecordScopeTick, 1280x1024" "$(python3 -c "print($tick_us / 1000)")" 0.5 ms
row "RedrawScopeTraces, 1280x1024" "$(python3 -c "print($redraw_us / 1000)")" 5 ms
record_us=$(median "$tmp/recording.json" BM_RecordRow real_time)
row "RecordRow, one row to a file" "$(python3 -c "print($record_us / 1000)")" 0.1 ms
row "open 1 h recording (150k rows)" "$(median "$tmp/review.json" BM_OpenOneHour real_time)" 300 ms
row "open 8 h recording (1.2M rows)" "$(median "$tmp/review.json" BM_OpenEightHours/ real_time)" 3000 ms
row "  peak memory of that" "$(median "$tmp/review.json" BM_OpenEightHoursPeakMemory peak_mib)" 150 MiB
printf '%-34s %10.3f ms (Play recording..., no decoding)\n' "  load of the same for playback" \
    "$(median "$tmp/review.json" BM_LoadEightHoursForPlayback real_time)"
row "analyse 8 h of drive" "$(median "$tmp/review.json" BM_AnalyseEightHours real_time)" 1000 ms
row "zoom or pan 8 h, 4000 columns" "$(median "$tmp/review.json" BM_EnvelopeRedraw real_time)" 16 ms
row "report of 30 min, HTML" "$(median "$tmp/report.json" BM_ReportHtmlHalfHour real_time)" 2000 ms
row "report of 30 min, PDF" "$(median "$tmp/report.json" BM_ReportPdfHalfHour real_time)" 2000 ms
row "  review charts redrawn, 1920x1080" "$(median "$tmp/review_window.json" BM_RedrawReviewCharts real_time)" 16 ms
row "refuse 300 MB of minimal rows" "$(median "$tmp/review.json" BM_RefuseMinimalRows real_time)" 3000 ms
bare_pick_us=$(median "$tmp/history.json" BM_PickBare real_time)
journaled_pick_us=$(median "$tmp/history.json" BM_PickJournaled real_time)
row "journaling added to one pick" "$(python3 -c "print(($journaled_pick_us - $bare_pick_us) / 1000)")" 1 ms
bare_read_us=$(median "$tmp/history.json" BM_NextReadBare real_time)
journaled_read_us=$(median "$tmp/history.json" BM_NextReadJournaled real_time)
printf '%-34s %10.3f ms (settles the pick, one disk sync)\n' "  and to the next settings read" \
    "$(python3 -c "print(($journaled_read_us - $bare_read_us) / 1000)")"
row "100,000-entry history, newest page" "$(median "$tmp/history.json" BM_OpenNewestPage/0 real_time)" 200 ms
row "  the same, one vehicle's" "$(median "$tmp/history.json" BM_OpenNewestPage/1 real_time)" 200 ms
# The oscilloscope's tick at 9600 baud (status and live data, 23 bytes on the
# wire: 23.96 ms): the real view against a bare client polling the same.
bare_ms=$(median "$tmp/tick.json" BM_BareClientTick median_ms)
view_ms=$(median "$tmp/tick.json" BM_ScopeViewTick median_ms)
row "scope tick, bare client (median)" "$bare_ms" "$(python3 -c "print($(median "$tmp/tick.json" BM_BareClientTick wire_ms) * 1.05)")" ms
row "scope tick, Oscilloscope view" "$view_ms" "$(python3 -c "print($bare_ms * 1.03)")" ms
printf '%-34s %10.4f    (goal <= 1.03)\n' "  view / bare client" "$(python3 -c "print($view_ms / $bare_ms)")"

mkdir -p build/run
(cd build/run && exec ../bin/tarvex-sim --link "$tmp/tty") >/dev/null 2>&1 &
SIM=$!
for _ in $(seq 50); do [ -e "$tmp/tty" ] && break; sleep 0.1; done
probe=$(cd build/run && ../bin/tarvex-probe "$tmp/tty" "$POLL_SECONDS")
get() { echo "$probe" | awk -v k="$1" '$1 == k {print $2}'; }
row "start-up to painted dashboard" "$(get startup_ms)" 300 ms
row "resident memory after ${POLL_SECONDS} s" "$(get rss_mib)" 80 MiB
row "CPU while polling every 50 ms" "$(get cpu_percent)" 5 "% "
echo "connected at the end: $(get connected), poll period $(get poll_period_ms) ms"
