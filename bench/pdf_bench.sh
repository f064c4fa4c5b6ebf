#!/bin/bash
# The cost of a large PDF: numorra-report --pdf over many saved readings, side
# by side with the plain Qt way of writing the same report (bench/plain_pdf:
# one QPainter::drawText a reading on a QPdfWriter).
#
#   bench/pdf_bench.sh [BUILD_DIR [COUNT...]]   (default: build, 1000 100000)
#
# Makes COUNT reading files in a temporary folder (names varied, and dates of
# birth from day 1 to 28 of every month of 1900 to 2050). Then:
#
# - 1,000 readings written by numorra-report and by plain_pdf in turn,
#   PDF_ALTERNATIONS times each (default 5), and the median of the ratio of
#   their wall times, each pair taken on the machine as it was at that moment;
#   numorra-report from a list of the same readings runs in each turn too;
# - one reading, numorra-report and plain_pdf, timed by hyperfine;
# - each COUNT once by each, with the wall time, the processor time, the peak
#   memory (VmHWM, from /usr/bin/time -f %M) and the size of the PDF; and
#   once more by numorra-report from a client list of the same readings
#   (--list, a CSV file of COUNT rows), beside the files.
#
# The files are named on the command line as a user's shell would expand
# saved/*.qnr; for 100,000 names the script raises its stack limit, which
# bounds the size of a command line, where the system allows it.
set -eu

cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(1000 100000)
alternations=${PDF_ALTERNATIONS:-5}
report="$PWD/$build_dir/numorra-report"
plain="$PWD/$build_dir/bench/plain_pdf"

if ! build_log=$(cmake --build "$build_dir" --target numorra-report plain_pdf 2>&1); then
    echo "$build_log" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work"
chmod 700 "$work"

# COUNT reading files 0.qnr, 1.qnr... in $1: four lines (name, day, month
# name, year), each character stored as its code plus 85, closed by CR LF.
make_readings() {
    mkdir -p "$1"
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

# The same COUNT readings as a client list, $1/list.csv: a header, then the
# name and the date of birth of each, YYYY-MM-DD.
make_list() {
    LC_ALL=C awk -v count="$2" 'BEGIN {
        print "Name,Date of Birth"
        for (i = 0; i < count; i++)
            printf "Person %d,%04d-%02d-%02d\n", i, 1900 + int(i / 336) % 151,
                   1 + int(i / 28) % 12, 1 + i % 28
    }' >"$1/list.csv"
}

# Writes the PDF of the COUNT readings in folder $2 with program $1 ("report"
# or "plain", or "list": numorra-report from the list) to $work/out.pdf;
# leaves "wall user system VmHWM-KiB" in $work/time.
write_pdf() {
    local count=$3 command
    case "$1" in
        report) command=("$report" --pdf "$work/out.pdf") ;;
        plain) command=("$plain" "$work/out.pdf") ;;
        list) command=("$report" --pdf "$work/out.pdf" --list list.csv) ;;
    esac
    [ "$1" != list ] || count=0
    # Relative names, as from `cd saved && numorra-report *.qnr`.
    (
        cd "$2"
        ulimit -s unlimited 2>/dev/null || ulimit -s "$(ulimit -H -s)"
        # shellcheck disable=SC2046 # the names have no blanks
        /usr/bin/time -f "%e %U %S %M" -o "$work/time" \
            "${command[@]}" $(seq -f "%.0f.qnr" 0 $((count - 1))) >/dev/null 2>"$work/err"
    ) || {
        echo "$count readings: $1 failed:" >&2
        tail -n 5 "$work/err" >&2
        return 1
    }
}

median() { sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

status=0
make_readings "$work/readings-1000" 1000
make_list "$work/readings-1000" 1000
echo "PDF: 1000 readings, $alternations times each of numorra-report and plain_pdf in turn..." >&2
: >"$work/pairs"
for _ in $(seq "$alternations"); do
    write_pdf report "$work/readings-1000" 1000 || status=1
    read -r ours _ <"$work/time"
    write_pdf plain "$work/readings-1000" 1000 || status=1
    read -r theirs _ <"$work/time"
    write_pdf list "$work/readings-1000" 1000 || status=1
    read -r listed _ <"$work/time"
    echo "$ours $theirs $listed" >>"$work/pairs"
done
echo "numorra-report --pdf against the plain Qt way (plain_pdf), 1,000 readings, $alternations alternations:"
awk '{ printf "  numorra-report %6.2f s   plain Qt %6.2f s   ratio %.3f\n", $1, $2, $1 / $2 }' "$work/pairs"
printf "  median: numorra-report %.2f s, plain Qt %.2f s, ratio %.3f (numorra-report / plain Qt)\n" \
    "$(cut -d' ' -f1 "$work/pairs" | median)" "$(cut -d' ' -f2 "$work/pairs" | median)" \
    "$(awk '{ print $1 / $2 }' "$work/pairs" | median)"
printf "  the same readings from a list: median %.2f s, ratio %.3f (list / files)\n" \
    "$(cut -d' ' -f3 "$work/pairs" | median)" "$(awk '{ print $3 / $1 }' "$work/pairs" | median)"

echo >&2 "PDF: one reading, by hyperfine..."
echo
echo "One reading (hyperfine, mean of 30 runs after 3 warm-ups):"
if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 3 --runs 30 --export-csv "$work/one.csv" \
        --command-name "numorra-report" "$report --pdf $work/one.pdf $work/readings-1000/0.qnr" \
        --command-name "plain Qt" "$plain $work/one.pdf $work/readings-1000/0.qnr" >/dev/null
    awk -F, 'NR > 1 { printf "  %-16s %6.1f ms +- %.1f ms\n", $1, $2 * 1000, $3 * 1000 }' "$work/one.csv"
else
    echo "  (hyperfine is not installed)"
fi

echo
echo "PDF of many saved readings: wall clock, processor time, peak memory (VmHWM), size"
printf "%-22s %-16s %10s %10s %12s %10s\n" "" "" "wall (s)" "cpu (s)" "VmHWM (MiB)" "PDF (MiB)"
for count in "${counts[@]}"; do
    folder="$work/readings-$count"
    [ -d "$folder" ] || make_readings "$folder" "$count"
    make_list "$folder" "$count"
    for program in report list plain; do
        echo "PDF: $count readings, $program..." >&2
        write_pdf "$program" "$folder" "$count" || { status=1; continue; }
        read -r wall user system hwm <"$work/time"
        awk -v label="$count readings" -v program="$program" -v wall="$wall" -v user="$user" \
            -v sys="$system" -v hwm="$hwm" -v bytes="$(stat -c %s "$work/out.pdf")" 'BEGIN {
                printf "%-22s %-16s %10.2f %10.2f %12.1f %10.2f\n", label,
                       program == "report" ? "numorra-report" : program == "list" ? "  from a list" : "plain Qt", wall, user + sys,
                       hwm / 1024, bytes / 1048576
            }'
    done
    rm -rf "$work/out.pdf"
    [ "$count" -eq 1000 ] || rm -rf "$folder"
done
exit "$status"
