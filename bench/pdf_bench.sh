#!/bin/bash
# The cost of a large PDF: numorra-report --pdf over many saved readings.
#
#   bench/pdf_bench.sh [BUILD_DIR [COUNT...]]   (default: build, 1000 100000)
#
# Makes COUNT reading files in a temporary folder (names varied, and dates of
# birth from day 1 to 28 of every month of 1900 to 2050), then writes their PDF
# once per count and prints a table of the wall time, the processor time and
# the peak memory (VmHWM, from /usr/bin/time -f %M) with the size of the PDF.
# The files are named on the command line as a user's shell would expand
# saved/*.qnr; for 100,000 names the script raises its stack limit, which
# bounds the size of a command line, where the system allows it.
set -eu

cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(1000 100000)
report="$PWD/$build_dir/numorra-report"

if ! build_log=$(cmake --build "$build_dir" --target numorra-report 2>&1); then
    echo "$build_log" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# COUNT reading files 0.qnr, 1.qnr... in $1: four lines (name, day, month
# name, year), each character stored as its code plus 85, closed by CR LF.
make_readings() {
    LC_ALL=C awk -v count="$2" -v folder="$1" '
        function encoded(text,    i, out) {
            out = ""
            for (i = 1; i <= length(text); i++)
                out = out sprintf("%c", code[substr(text, i, 1)] + 85)
            return out "\r\n"
        }
        BEGIN {
            for (c = 32; c < 127; c++)
                code[sprintf("%c", c)] = c
            split("January February March April May June July August September " \
                  "October November December", months, " ")
            for (i = 0; i < count; i++) {
                file = folder "/" i ".qnr"
                printf "%s%s%s%s", encoded("Person " i), encoded(1 + i % 28),
                       encoded(months[1 + int(i / 28) % 12]),
                       encoded(1900 + int(i / 336) % 151) > file
                close(file)
            }
        }'
}

echo "numorra-report --pdf of many saved readings: wall clock, processor time, peak memory (VmHWM)"
printf "%-22s %10s %10s %12s %10s\n" "" "wall (s)" "cpu (s)" "VmHWM (MiB)" "PDF (MiB)"
status=0
for count in "${counts[@]}"; do
    echo "PDF: $count readings..." >&2
    folder="$work/readings-$count"
    mkdir "$folder"
    make_readings "$folder" "$count"
    # Relative names, as from `cd saved && numorra-report *.qnr`.
    if ! (
        cd "$folder"
        ulimit -s unlimited 2>/dev/null || ulimit -s "$(ulimit -H -s)"
        # shellcheck disable=SC2046 # the names have no blanks
        QT_QPA_PLATFORM=offscreen /usr/bin/time -f "%e %U %S %M" -o "$work/time" \
            "$report" --pdf "$work/out.pdf" $(seq -f "%.0f.qnr" 0 $((count - 1))) \
            >/dev/null 2>"$work/err"
    ); then
        echo "$count readings: numorra-report failed:" >&2
        tail -n 5 "$work/err" >&2
        status=1
        continue
    fi
    read -r wall user system hwm <"$work/time"
    awk -v label="$count readings" -v wall="$wall" -v user="$user" -v sys="$system" -v hwm="$hwm" \
        -v bytes="$(stat -c %s "$work/out.pdf")" 'BEGIN {
            printf "%-22s %10.2f %10.2f %12.1f %10.1f\n", label, wall, user + sys,
                   hwm / 1024, bytes / 1048576
        }'
    rm -rf "$folder" "$work/out.pdf"
done
exit "$status"
