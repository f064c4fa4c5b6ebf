#!/bin/bash
# numorra-report's bash completion: what it offers for each command line, in
# a folder holding two readings, a PDF, a text file and a sub-folder.
#
# Usage: completion_test.sh <completion script>
set -u

# shellcheck source=/dev/null
source "$1" || exit 1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
touch anna.qnr bo.qnr out.pdf notes.txt clients.csv
mkdir saved

failures=0
# the words after the command, the last one being completed | what is offered
while IFS='|' read -r words expected; do
    eval "COMP_WORDS=(numorra-report $words)"
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _numorra_report
    offered=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [ "$offered" = "$expected" ]; then
        echo "ok   [$words] -> $offered"
    else
        echo "FAIL: [$words] offers '$offered', not '$expected'" >&2
        failures=$((failures + 1))
    fi
done <<'TABLE'
--|--date --day --help --json --list --month --name --pdf --save --verbose --version --year
--m|--month
--month ma|March May
--month j|January July June
--month 1|
--name ''|
--day ''|
--pdf ''|out.pdf saved
--list ''|clients.csv saved
--save ''|saved
''|anna.qnr bo.qnr saved
b|bo.qnr
TABLE
[ "$failures" -eq 0 ]
