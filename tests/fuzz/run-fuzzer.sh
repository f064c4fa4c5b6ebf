#!/bin/sh
# Runs one libFuzzer target for a bounded time on a scratch copy of its seed
# corpus, then prints one line of figures: executions, seconds, executions per
# second, crashes and peak memory. Fails when the target found anything (a
# crash, a broken property, a leak, a timeout or too much memory); the input
# that did it is kept in the artifact folder.
#
#   run-fuzzer.sh TARGET SEEDS SECONDS MAX_LEN RSS_LIMIT_MB ARTIFACTS
#
# NUMORRA_FUZZ_SECONDS, when set, overrides SECONDS; NUMORRA_FUZZ_RUNS, when
# set, also stops the run after that many executions.
set -u

target=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
seeds=$2
seconds=${NUMORRA_FUZZ_SECONDS:-$3}
max_len=$4
rss_limit=$5
artifacts=$6
name=$(basename "$target")

# Sanitizer reports end the run with a failure, leaks included.
export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/numorra-fuzz-$name.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/corpus" "$artifacts"
artifacts=$(cd "$artifacts" && pwd)
# The committed seeds stay as they are: the fuzzer adds to a copy.
[ -d "$seeds" ] && cp -R "$seeds/." "$scratch/corpus/"
log="$artifacts/$name.log"
# Words the target's input is made of, when it has a list of them.
dictionary=$(dirname "$0")/$name.dict
[ -f "$dictionary" ] && set -- "-dict=$(cd "$(dirname "$dictionary")" && pwd)/$name.dict" || set --
[ -n "${NUMORRA_FUZZ_RUNS:-}" ] && set -- "$@" "-runs=$NUMORRA_FUZZ_RUNS"
touch "$scratch/started"

# Inputs that take over ten seconds count as hangs. The fuzzer starts in the
# scratch folder, so that anything a target might write lands there; a target
# may move to a folder of its own, so every path it is given is absolute.
(cd "$scratch" && "$target" -max_total_time="$seconds" -max_len="$max_len" \
    -rss_limit_mb="$rss_limit" -malloc_limit_mb="$rss_limit" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$name-" "$@" \
    "$scratch/corpus") >"$log" 2>&1
status=$?

stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -n 1; }
executions=$(stat number_of_executed_units)
rate=$(stat average_exec_per_sec)
peak=$(stat peak_rss_mb)
crashes=$(find "$artifacts" -maxdepth 1 -name "$name-*" -newer "$scratch/started" | wc -l)
[ "$status" -eq 0 ] || [ "$crashes" -gt 0 ] || crashes=1
# The run's own seconds: the fuzzer stops at the bound, or sooner when it fails.
elapsed=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)

printf '%-20s executions %12s  seconds %5s  exec/s %8s  crashes %s  peak RSS %s MB\n' \
    "$name" "${executions:-?}" "${elapsed:-$seconds}" "${rate:-?}" "$crashes" "${peak:-?}"

if [ "$status" -ne 0 ]; then
    echo "$name failed (exit status $status); its log follows, the input is in $artifacts" >&2
    tail -n 60 "$log" >&2
    exit 1
fi
