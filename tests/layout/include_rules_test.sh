#!/bin/bash
# The include check finds each kind of broken rule in small trees of its own,
# and passes the same trees without them.
#
#   include_rules_test.sh path/to/include_rules.sh QT_INCLUDE_DIR
set -u
check=$1
qt=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rooms='
base     core     -
engine   core     base
widgets  windows  base
shell    windows  base engine widgets
cli      report   base engine
:core     QtCore
:windows  QtCore QtGui QtWidgets
:report   QtCore QtGui
'

# file of the tree | the part whose list holds it | what it includes | what the check says, if wrong
table='
engine/Steps.cpp    | core    | <QString>           |
engine/Steps.cpp    | core    | "base/Record.h"     |
widgets/Button.cpp  | windows | <QWidget>           |
widgets/Button.cpp  | windows | "base/Record.h"     |
shell/frmMain.cpp   | windows | "widgets/Button.h"  |
cli/Report.cpp      | report  | "engine/Steps.h"    |
cli/Report.cpp      | report  | <QPdfWriter>        |
widgets/Menu.cpp    | windows | "shell/frmMain.h"   | widgets may not include shell
cli/Colour.cpp      | report  | "widgets/Colours.h" | cli may not include widgets
engine/Chart.cpp    | core    | "shell/frmMain.h"   | engine may not include shell
engine/Font.cpp     | core    | <QtGui/QFont>       | core may not use QtGui
cli/Window.cpp      | report  | <QWidget>           | report may not use QtWidgets
base/Loose.cpp      | core    | "Record.h"          | includes name a room of src/
engine/Stray.cpp    | windows | <QString>           | its room engine feeds core
widgets/Colours.h   |         | <QColor>            | no part
'
rows() { grep '|' <<<"$table" | sed 's/ *| */|/g; s/^ *//; s/ *$//'; }

# Builds in $1 the tree of the rows whose check says something matching $2,
# with its table of rooms ($3, default the one above) and the parts' lists.
make_tree() {
    local tree=$1 file part include says
    declare -A members=([core]="base/Record.h engine/Steps.h" [windows]="widgets/Button.h shell/frmMain.h"
                        [report]="")
    mkdir -p "$tree/src/base" "$tree/src/engine" "$tree/src/widgets" "$tree/src/shell" "$tree/src/cli"
    touch "$tree/src/base/Record.h" "$tree/src/engine/Steps.h" "$tree/src/widgets/Button.h" \
          "$tree/src/shell/frmMain.h"
    while IFS='|' read -r file part include says; do
        [[ $says =~ $2 ]] || continue
        echo "#include $include" >>"$tree/src/$file"
        [ -z "$part" ] || [[ " ${members[$part]} " == *" $file "* ]] || members[$part]+=" $file"
    done < <(rows)
    for part in core windows report; do echo "$part $tree/src ${members[$part]}"; done >"$tree/parts.txt"
    echo "${3:-$rooms}" >"$tree/rooms.txt"
}

run_check() { "$check" "$1/src" "$1/rooms.txt" "$1/parts.txt" "$qt" >"$1/out"; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

make_tree "$work/all" '.*'
run_check "$work/all" && fail "the check passed a tree with broken rules"
while IFS='|' read -r file _ include says; do
    if [ -n "$says" ]; then
        grep "^$file " "$work/all/out" | grep -qF "$says" || fail "not found: $file $include ($says)"
    else
        ! grep -qF "$file includes $include:" "$work/all/out" || fail "refused: $file $include"
    fi
done < <(rows)

make_tree "$work/good" '^$'
run_check "$work/good" || fail "the check refused a tree without broken rules: $(cat "$work/good/out")"

# Two rooms that may include each other, even by a detour, break the table.
make_tree "$work/circle" '^$' "${rooms/base     core     -/base     core     shell}"
run_check "$work/circle" && fail "the check passed a table in which base and shell include each other"
grep -q "table of rooms goes round in a circle: base shell base" "$work/circle/out" ||
    fail "no circle named: $(cat "$work/circle/out")"

[ "$failures" -eq 0 ] && echo "the check finds every broken rule of the table, and only those"
exit "$failures"
