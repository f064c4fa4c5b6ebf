#!/bin/bash
# The benchmark behind `make bench`:
#
#   bench/run_bench.sh [BUILD_DIR]       (default: build)
#
# Builds the program and the measuring tools in BUILD_DIR, starts a private
# virtual X server, then starts Numorra and a bare Qt window of the same size
# alternately (one warm-up each, then BENCH_RUNS each, default 10) under the
# start-up meter: time to the window's map and first paint, processor time and
# peak memory, and for Numorra the time from the calculate key (Alt+F, a name
# typed) to the reading window. Then the Google Benchmark timings of the
# engines, the report, the codec, reading files and the windows. Prints one
# table of medians with the spread (lowest..highest) of the runs; keeps the raw
# figures in BUILD_DIR/bench-startup.txt and BUILD_DIR/bench-google.csv.
#
# Everything it starts (the X server, the programs) and its temporary folders
# go on every way out. Wall-clock times depend on what else the machine runs;
# the processor times (cpu) much less so.
set -eu

self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
cd "$(dirname "$0")/.."
build_dir=${1:-build}
runs=${BENCH_RUNS:-10}
repetitions=${BENCH_REPETITIONS:-5}
title="Numorra v$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")"

if ! build_log=$(cmake --build "$build_dir" --target numorra numorra_bench bare_window startup_meter 2>&1); then
    echo "$build_log" >&2
    exit 1
fi
numorra="$build_dir/numorra"
bare="$build_dir/bench/bare_window"
meter="$build_dir/bench/startup_meter"
google="$build_dir/bench/numorra_bench"

# A private X server without a window manager: top-level windows are the root
# window's children, as the meter expects. The script runs itself again on it.
if [ -z "${NUMORRA_BENCH_DISPLAY:-}" ]; then
    NUMORRA_BENCH_DISPLAY=1 exec scripts/with-xvfb.sh "$self" "$@"
fi

work=$(mktemp -d)
running=""
finish() {
    trap - EXIT INT TERM HUP
    set +e
    # timeout passes the signal on; the meter ends the program it started.
    if [ -n "$running" ]; then
        kill "$running" 2>/dev/null
        wait "$running" 2>/dev/null
    fi
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

export QT_QPA_PLATFORM=xcb QT_FONT_DPI=96

# One start under the meter, each in a fresh user session (no instance lock, no
# settings: a first start asks nothing). Appends the meter's line to $2.
measure() {
    local kind=$1 out=$2 session
    shift 2
    session=$(mktemp -d "$work/session.XXXXXX")
    mkdir -p "$session/runtime" "$session/config"
    chmod 700 "$session/runtime"
    XDG_RUNTIME_DIR="$session/runtime" XDG_CONFIG_HOME="$session/config" \
        timeout -k 5 60 "$meter" --title "$title" --timeout 20000 --log "$work/$kind.log" \
        "$@" >>"$out" &
    running=$!
    wait "$running" || echo "error=meter status $?" >>"$out"
    running=""
    rm -rf "$session"
}

numorraRun() { measure numorra "$1" --type "Anna Lee" --keys "alt+f" -- "$numorra"; }
bareRun() { measure bare "$1" -- "$bare"; }

read -r load1 _ </proc/loadavg
echo "Start-up: $runs runs each of Numorra and the bare window, alternately" \
    "($(nproc) processors, load average $load1 at the start)..." >&2
numorraRun "$work/warmup"
bareRun "$work/warmup"
: >"$work/numorra.txt"
: >"$work/bare.txt"
for _ in $(seq "$runs"); do
    numorraRun "$work/numorra.txt"
    bareRun "$work/bare.txt"
done
{
    sed 's/^/numorra /' "$work/numorra.txt"
    sed 's/^/bare /' "$work/bare.txt"
} >"$build_dir/bench-startup.txt"

echo "Google Benchmark: $repetitions repetitions of each..." >&2
google_status=0
# In the background, so that a signal to this script ends it at once.
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" timeout -k 5 900 "$google" \
    --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$build_dir/bench-google.csv" --benchmark_out_format=csv \
    >"$work/google.txt" 2>&1 &
running=$!
wait "$running" || google_status=$?
running=""

# The median, lowest and highest of one field over the lines of a file, as
# "median lowest highest count", scaled by $3 (e.g. KiB to MiB).
stats() {
    sed -n "s/.*\\b$2=\\([0-9.]*\\).*/\\1/p" "$1" | sort -g | awk -v scale="${3:-1}" '
        { v[NR] = $1 / scale }
        END {
            if (NR == 0) { print "- - - 0"; exit }
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%.1f %.1f %.1f %d\n", m, v[1], v[NR], NR
        }'
}

# One row: label, field, scale, and whether the bare window has the figure.
row() {
    local label=$1 field=$2 scale=$3 both=$4 n lo hi b blo bhi ratio
    read -r n lo hi _ < <(stats "$work/numorra.txt" "$field" "$scale")
    if [ "$both" = yes ]; then
        read -r b blo bhi _ < <(stats "$work/bare.txt" "$field" "$scale")
        ratio=$(awk -v a="$n" -v b="$b" 'BEGIN { if (b + 0 > 0) printf "%.2f", a / b; else print "-" }')
        printf "%-44s %8s %-15s %8s %-15s %6s\n" "$label" "$n" "($lo..$hi)" "$b" "($blo..$bhi)" \
            "$ratio"
    else
        printf "%-44s %8s %-15s\n" "$label" "$n" "($lo..$hi)"
    fi
}

failures=$(grep -c "error=" "$work/numorra.txt" "$work/bare.txt" | awk -F: '{ s += $2 } END { print s }')
echo
echo "Start-up, median of $runs runs (lowest..highest)"
printf "%-44s %-24s %-24s %6s\n" "" "   Numorra" "   bare Qt window" "ratio"
row "start to main window mapped (ms)" startup_ms 1 yes
row "start to main window first painted (ms)" paint_ms 1 yes
row "processor time until mapped (ms)" cpu_ms 1 yes
row "peak memory when mapped (MiB)" hwm_kib 1024 yes
row "Alt+F to reading window mapped (ms)" calc_ms 1 no
row "Alt+F to reading window first painted (ms)" calc_paint_ms 1 no
row "processor time of the calculation (ms)" calc_cpu_ms 1 no
row "peak memory after the calculation (MiB)" calc_hwm_kib 1024 no
[ "$failures" -gt 0 ] && echo "($failures runs failed; see $build_dir/bench-startup.txt)"

echo
echo "Google Benchmark, median of $repetitions repetitions (wall clock; processor time)"
if [ "$google_status" -ne 0 ]; then
    echo "numorra_bench failed (status $google_status):"
    tail -n 20 "$work/google.txt"
else
    # The CSV's columns: name, iterations, real_time, cpu_time, time_unit,
    # bytes_per_second, items_per_second, ...
    awk -F, '
        BEGIN {
            label["engineSteps"] = "engine steps, one reading"
            label["allReachableDates"] = "all reachable dates, 1900-2050, one pass"
            label["reportText"] = "report text (Report::BuildReport)"
            label["encodeText/65536"] = "EncodeText, 64 KiB"
            label["decodeText/65536"] = "DecodeText, 64 KiB"
            label["parseReadingFile/nameLength:0"] = "ReadingFile::parse, usual reading"
            label["parseReadingFile/nameLength:65520"] = "ReadingFile::parse, 64 KiB name"
            label["filledReadingWindow/real_time"] = "reading window: create, fill, show"
            label["mainWindow/real_time"] = "main window: create, show"
            label["calculation/real_time"] = "calculation: main window to reading window"
            unit["us"] = "\302\265s "; unit["ms"] = "ms "; unit["ns"] = "ns "; unit["s"] = "s  "
        }
        {
            name = $1
            gsub(/"/, "", name)
            if (name !~ /_median$/)
                next
            sub(/_median$/, "", name)
            shown = (name in label) ? label[name] : name
            extra = ""
            if ($6 != "")
                extra = sprintf("  %.0f MB/s", $6 / 1e6)
            else if ($7 != "")
                extra = sprintf("  %.2f M readings/s", $7 / 1e6)
            printf "%-44s %10.2f %s(cpu %.2f)%s\n", shown, $3, unit[$5], $4, extra
        }' "$build_dir/bench-google.csv"
fi
echo && bench/pdf_bench.sh "$build_dir" || failures=$((failures + 1))
[ "$failures" -eq 0 ] && [ "$google_status" -eq 0 ]
