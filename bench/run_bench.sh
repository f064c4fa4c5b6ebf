#!/bin/bash
# The benchmark behind `make bench`:
#
#   bench/run_bench.sh [BUILD_DIR]       (default: build)
#
# Builds the program and the measuring tools in BUILD_DIR and runs itself
# again on a private virtual X server (scripts/with-xvfb.sh) with no window
# manager. There it starts, in turn, Numorra, the two floors (a bare Qt window
# of the same size, empty, and the same window showing one label in the
# window font) and Numorra without each of its start-up tricks (the plain
# ways: Qt's own style, PNG pictures, libcups linked), one warm-up each and
# then BENCH_RUNS runs each (default 10), under the start-up meter: time to
# the window's map and first paint, processor time and peak memory, and for
# Numorra the time from the calculate key (Alt+F, a name typed) to the reading
# window. Then the Google Benchmark timings of the engines, the report, the
# codec, reading files and the windows. Prints tables of medians with the spread
# (lowest..highest) of the runs; keeps the raw figures in
# BUILD_DIR/bench-startup.txt and BUILD_DIR/bench-google.csv.
#
# Everything it starts and its temporary folders go on every way out.
# Wall-clock times depend on what else the machine runs; the processor times
# (cpu) much less so.
set -eu

self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
cd "$(dirname "$0")/.."
build_dir=${1:-build}
runs=${BENCH_RUNS:-10}
repetitions=${BENCH_REPETITIONS:-5}
title="Numorra v$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")"
variants="numorra_plain_style numorra_plain_pictures numorra_plain_cups"

if [ -z "${NUMORRA_BENCH_DISPLAY:-}" ]; then
    # shellcheck disable=SC2086
    if ! build_log=$(cmake --build "$build_dir" --target numorra numorra_bench bare_window \
        startup_meter $variants 2>&1); then
        echo "$build_log" >&2
        exit 1
    fi
    NUMORRA_BENCH_DISPLAY=1 exec scripts/with-xvfb.sh "$self" "$@"
fi

meter="$build_dir/bench/startup_meter"
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

# Runs a command in the background until it ends, so that a signal to this
# script ends it at once.
run() {
    "$@" &
    running=$!
    wait "$running"
    local status=$?
    running=""
    return "$status"
}

# One start of program `$1` under the meter, in a fresh user session (no
# instance lock, no settings: a first start asks nothing); appends the
# meter's line to $work/$1.txt.
measure() {
    local kind=$1 session
    session=$(mktemp -d "$work/session.XXXXXX")
    mkdir -p "$session/runtime" "$session/config"
    chmod 700 "$session/runtime"
    command_of "$kind"
    XDG_RUNTIME_DIR="$session/runtime" XDG_CONFIG_HOME="$session/config" \
        run timeout -k 5 60 "$meter" --title "$title" --timeout 20000 --log "$work/$kind.log" \
        "${command[@]}" >>"$work/$kind.txt" || echo "error=meter status $?" >>"$work/$kind.txt"
    rm -rf "$session"
}

# The meter's options and command line for each kind of start, in `command`.
command_of() {
    case "$1" in
        numorra) command=(--type Anna --keys alt+f -- "$build_dir/numorra") ;;
        bare) command=(-- "$build_dir/bench/bare_window" --title "$title") ;;
        text) command=(-- "$build_dir/bench/bare_window" --title "$title" --label Numorra) ;;
        *) command=(-- "$build_dir/bench/$1") ;;
    esac
}
kinds="numorra text bare $variants"

read -r load1 _ </proc/loadavg
echo "Start-up: $runs runs each of Numorra, the two floors and $(echo $variants | wc -w)" \
    "variants, in turn ($(nproc) processors, load average $load1 at the start)..." >&2
for kind in $kinds; do
    measure "$kind"
    : >"$work/$kind.txt"
done
for _ in $(seq "$runs"); do
    for kind in $kinds; do measure "$kind"; done
done
for kind in $kinds; do sed "s/^/$kind /" "$work/$kind.txt"; done >"$build_dir/bench-startup.txt"

echo "Google Benchmark: $repetitions repetitions of each..." >&2
google_status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" run timeout -k 5 900 "$build_dir/bench/numorra_bench" \
    --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$build_dir/bench-google.csv" --benchmark_out_format=csv \
    >"$work/google.out" 2>&1 || { google_status=$?; tail -n 20 "$work/google.out"; }

# The median, lowest and highest of one field over the runs of a kind, as
# "median lowest highest", scaled by $3 (e.g. KiB to MiB).
stats() {
    sed -n "s/.*\\b$2=\\([0-9.]*\\).*/\\1/p" "$work/$1.txt" | sort -g | awk -v scale="${3:-1}" '
        { v[NR] = $1 / scale }
        END {
            if (NR == 0) { print "- - -"; exit }
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%.1f %.1f %.1f\n", m, v[1], v[NR]
        }'
}
median() { stats "$@" | cut -d' ' -f1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b + 0 > 0) printf "%.2f", a / b; else print "-" }'; }
difference() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.1f", a - b }'; }

# One row of Numorra against the floors: label, field, scale.
row() {
    local n lo hi t tlo thi b
    read -r n lo hi < <(stats numorra "$2" "$3")
    read -r t tlo thi < <(stats text "$2" "$3")
    b=$(median bare "$2" "$3")
    printf "%-36s %7s %-13s %7s %-13s %6s %7s %6s\n" "$1" "$n" "($lo..$hi)" "$t" "($tlo..$thi)" \
        "$(ratio "$n" "$t")" "$b" "$(ratio "$n" "$b")"
}
# One row of a figure of Numorra alone.
alone() {
    local n lo hi
    read -r n lo hi < <(stats numorra "$2" "$3")
    printf "%-36s %7s %-13s\n" "$1" "$n" "($lo..$hi)"
}

failures=$(cat "$work"/*.txt | grep -c "error=" || true)
echo
echo "Start-up, median of $runs runs (lowest..highest)"
printf "%-36s %-21s %-21s %6s %7s %6s\n" "" "   Numorra" "   text floor" "ratio" "bare" "ratio"
row "start to main window mapped (ms)" startup_ms 1
row "start to first paint (ms)" paint_ms 1
row "processor time until mapped (ms)" cpu_ms 1
row "peak memory when mapped (MiB)" hwm_kib 1024
alone "Alt+F to reading window mapped (ms)" calc_ms 1
alone "Alt+F to reading window painted (ms)" calc_paint_ms 1
alone "processor time of the calculation (ms)" calc_cpu_ms 1
alone "peak memory after the calculation (MiB)" calc_hwm_kib 1024

echo
echo "What each start-up trick saves: the plain way minus Numorra, medians"
printf "%-28s %12s %12s %12s\n" "plain way" "mapped ms" "cpu ms" "memory MiB"
for variant in $variants; do
    printf "%-28s %12s %12s %12s\n" "${variant#numorra_plain_}" \
        "$(difference "$(median "$variant" startup_ms)" "$(median numorra startup_ms)")" \
        "$(difference "$(median "$variant" cpu_ms)" "$(median numorra cpu_ms)")" \
        "$(difference "$(median "$variant" hwm_kib 1024)" "$(median numorra hwm_kib 1024)")"
done
[ "$failures" -eq 0 ] || echo "($failures runs failed; see $build_dir/bench-startup.txt)"

# The median of each benchmark of a Google Benchmark CSV, as "name real cpu unit extra".
medians() {
    # The CSV's columns: name, iterations, real_time, cpu_time, time_unit,
    # bytes_per_second, items_per_second, ...
    awk -F, '{
        name = $1
        gsub(/"/, "", name)
        if (name !~ /_median$/)
            next
        sub(/_median$/, "", name)
        extra = ""
        if ($6 != "")
            extra = sprintf("  %.0f MB/s", $6 / 1e6)
        else if ($7 != "")
            extra = sprintf("  %.2f M readings/s", $7 / 1e6)
        print name, $3, $4, $5, extra
    }' "$build_dir/$1"
}
label() {
    case "$1" in
        engineSteps) echo "engine steps, one reading" ;;
        allReachableDates) echo "all reachable dates, 1900-2050, one pass" ;;
        reportText) echo "report text (Report::BuildReport)" ;;
        encodeText/65536) echo "EncodeText, 64 KiB" ;;
        decodeText/65536) echo "DecodeText, 64 KiB" ;;
        parseReadingFile/nameLength:0) echo "ReadingFile::parse, usual reading" ;;
        parseReadingFile/nameLength:65520) echo "ReadingFile::parse, 64 KiB name" ;;
        filledReadingWindow/real_time) echo "reading window: create, fill, show" ;;
        mainWindow/real_time) echo "main window: create, show" ;;
        calculation/real_time) echo "calculation: main window to reading window" ;;
        *) echo "$1" ;;
    esac
}
unit() { case "$1" in us) printf "\302\265s" ;; *) printf "%s" "$1" ;; esac; }

echo
echo "Google Benchmark, median of $repetitions repetitions (wall clock; processor time)"
if [ "$google_status" -eq 0 ]; then
    while read -r name real cpu time_unit extra; do
        printf "%-44s %10.2f %s (cpu %.2f)%s\n" "$(label "$name")" "$real" "$(unit "$time_unit")" \
            "$cpu" "${extra:+  $extra}"
    done < <(medians bench-google.csv)
fi
echo && bench/pdf_bench.sh "$build_dir" || failures=$((failures + 1))
[ "$failures" -eq 0 ] && [ "$google_status" -eq 0 ]
