#!/bin/bash
# Checks which way the includes of src/ point:
#
#   - a core file includes no Qt Gui or Qt Widgets header, and no header of
#     the printing or windows libraries;
#   - a printing file includes no Qt Widgets header and no window;
#   - numorra-report (src/cli/) includes no Qt Widgets header and no window;
#   - reading/ includes nothing from shell/ or fengshui/.
#
#   include_rules.sh SRC_DIR LIBRARIES_FILE QT_INCLUDE_DIR
#
# LIBRARIES_FILE holds one line per library: its name (core, printing or
# windows), then its sources and headers as absolute paths. Prints each
# include that breaks a rule and exits 1 if there is one.
set -u
src=$(cd "$1" && pwd)
libraries=$2
qt=$3

declare -A library
while read -r name files; do
    for file in $files; do library[${file#"$src"/}]=$name; done
done <"$libraries"

broken=0
complain() {
    echo "$1 includes $2: $3"
    broken=$((broken + 1))
}

# The Qt module of a system header: QtCore, QtGui, QtWidgets... or nothing.
qt_module() {
    case "$1" in
        Qt*/*) echo "${1%%/*}" ;;
        *) for module in QtWidgets QtGui QtCore; do
               [ -e "$qt/$module/$1" ] && echo "$module" && return
           done ;;
    esac
}

# Checks one file (relative to src/) as a member of `$2` (core, printing,
# windows or report).
check() {
    local file=$1 own=$2 include name module theirs
    while IFS= read -r include; do
        name=${include:1:${#include}-2}
        if [ "${include:0:1}" = "<" ]; then
            module=$(qt_module "$name")
            case "$own:$module" in
                core:QtGui | core:QtWidgets) complain "$file" "$include" "the core links Qt Core only" ;;
                printing:QtWidgets | report:QtWidgets) complain "$file" "$include" "$own links no widgets" ;;
            esac
            continue
        fi
        theirs=${library[$name]:-other}
        case "$own:$theirs" in
            core:printing | core:windows | core:other)
                complain "$file" "$include" "the core includes only the core" ;;
            printing:windows | printing:other | report:windows)
                complain "$file" "$include" "$own includes no window" ;;
        esac
        case "$file:$name" in
            reading/*:shell/* | reading/*:fengshui/*)
                complain "$file" "$include" "reading/ is used by shell/ and fengshui/, not the reverse" ;;
        esac
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*\([<"][^>"]*[>"]\).*/\1/p' "$src/$file")
}

for file in "${!library[@]}"; do
    check "$file" "${library[$file]}"
done
while IFS= read -r file; do
    check "${file#"$src"/}" report
done < <(find "$src/cli" -name '*.h' -o -name '*.cpp' 2>/dev/null)

if [ "$broken" -gt 0 ]; then
    echo "$broken includes point the wrong way"
    exit 1
fi
echo "every include points the right way (${#library[@]} library files and src/cli checked)"
