#!/bin/bash
# The include check finds each kind of wrong include in small trees of its
# own, and passes the same trees without them.
#
#   include_rules_test.sh path/to/include_rules.sh QT_INCLUDE_DIR
set -u
check=$1
qt=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# file of the tree | its library | what it includes | wrong?
table='
core/Engine.cpp     | core     | <QString>              | no
core/Engine.cpp     | core     | "core/Engine.h"        | no
core/Widget.cpp     | core     | <QWidget>              | yes
core/Font.cpp       | core     | <QtGui/QFont>          | yes
core/Printed.cpp    | core     | "printing/Pages.h"     | yes
core/Window.cpp     | core     | "reading/frmView.h"    | yes
printing/Pages.cpp  | printing | <QPdfWriter>           | no
printing/Pages.cpp  | printing | "core/Engine.h"        | no
printing/Label.cpp  | printing | <QLabel>               | yes
printing/Window.cpp | printing | "reading/frmView.h"    | yes
reading/frmView.cpp | windows  | <QLabel>               | no
reading/frmView.cpp | windows  | "printing/Pages.h"     | no
reading/Shell.cpp   | windows  | "shell/frmMain.h"      | yes
reading/Steps.cpp   | core     | "fengshui/modSteps.h"  | yes
cli/Report.cpp      | report   | "printing/Pages.h"     | no
cli/Window.cpp      | report   | "reading/frmView.h"    | yes
cli/Widget.cpp      | report   | <QWidget>              | yes
'
rows() { grep '|' <<<"$table" | sed 's/ *| */|/g; s/^ *//; s/ *$//'; }

# Builds in $1 the tree of the rows whose last column matches $2, with the
# list of each library's files.
make_tree() {
    local tree=$1 file own include wrong
    declare -A members=([core]="$tree/src/core/Engine.h" [printing]="$tree/src/printing/Pages.h"
                        [windows]="$tree/src/reading/frmView.h")
    mkdir -p "$tree/src/core" "$tree/src/printing" "$tree/src/reading" "$tree/src/cli"
    touch "$tree/src/core/Engine.h" "$tree/src/printing/Pages.h" "$tree/src/reading/frmView.h"
    while IFS='|' read -r file own include wrong; do
        [[ $wrong =~ $2 ]] || continue
        echo "#include $include" >>"$tree/src/$file"
        [ "$own" = report ] || members[$own]+=" $tree/src/$file"
    done < <(rows)
    for own in core printing windows; do echo "$own ${members[$own]}"; done >"$tree/libraries.txt"
}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

make_tree "$work/all" 'yes|no'
"$check" "$work/all/src" "$work/all/libraries.txt" "$qt" >"$work/all/out" &&
    fail "the check passed a tree with wrong includes"
while IFS='|' read -r file _ include wrong; do
    if grep -qF "$file includes $include:" "$work/all/out"; then
        [ "$wrong" = yes ] || fail "refused: $file $include"
    else
        [ "$wrong" = no ] || fail "not found: $file $include"
    fi
done < <(rows)

make_tree "$work/good" 'no'
"$check" "$work/good/src" "$work/good/libraries.txt" "$qt" >"$work/good/out" ||
    fail "the check refused a tree without wrong includes: $(cat "$work/good/out")"

[ "$failures" -eq 0 ] && echo "the check finds every wrong include of the table, and only those"
exit "$failures"
