#!/bin/sh
# Runs every fuzz target of a fuzz build for a bounded time each, one after
# the other, each on a scratch copy of its seed corpus, and prints the figures
# of each run. Fails when any target found anything; the inputs are kept.
#
#   scripts/fuzz.sh BUILD_DIR SECONDS_PER_TARGET [TARGET...]
set -eu
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2
targets="$build/tests/fuzz/targets.txt"
artifacts="$build/tests/fuzz/artifacts"
[ -f "$targets" ] || { echo "No fuzz targets in $build: build the fuzz preset first" >&2; exit 1; }

rss_limit=$(sed -n 's/^NUMORRA_FUZZ_RSS_LIMIT_MB:[A-Z]*=//p' "$build/CMakeCache.txt")
failed=""
echo "Fuzzing each target for $seconds seconds (memory limit ${rss_limit:-1024} MB):"
while read -r name binary seeds max_len; do
    if [ $# -gt 0 ]; then
        case " $* " in *" $name "*) ;; *) continue ;; esac
    fi
    NUMORRA_FUZZ_SECONDS=$seconds nice tests/fuzz/run-fuzzer.sh "$binary" "$seeds" "$seconds" \
        "$max_len" "${rss_limit:-1024}" "$artifacts" || failed="$failed $name"
done <"$targets"

if [ -n "$failed" ]; then
    echo "Fuzzing found faults in:$failed (inputs and logs in $artifacts)" >&2
    exit 1
fi
