#!/bin/bash
# Checks the rooms of src/ against the table of rooms (tests/layout/rooms.txt):
#
#   - every room of src/ has a row, and feeds exactly the part (library or
#     program) its row names: each of its sources and headers is in that
#     part's file list, and in no other;
#   - every source and header of a part's list lies in src/;
#   - a file includes from its own room and from the rooms its row allows,
#     written from src/ ("reading/Report.h"), and only the Qt modules its part
#     may use;
#   - no room reaches itself again, neither through the table nor through
#     what the files actually include.
#
#   include_rules.sh SRC_DIR ROOMS_TABLE PARTS_FILE QT_INCLUDE_DIR
#
# PARTS_FILE holds one line per library or program: its name, the folder its
# target was made in (which relative names are relative to), then its files.
# Prints each thing that breaks a rule and exits 1 if there is one.
set -u
src=$(cd "$1" && pwd)
table=$2
parts=$3
qt=$4

broken=0
complain() {
    echo "$*"
    broken=$((broken + 1))
}

declare -A room_part allowed part_modules
while read -r first second rest; do
    case "$first" in
        "" | "#"*) ;;
        :*) part_modules[${first#:}]=" $second $rest " ;;
        *) room_part[$first]=$second
           allowed[$first]=" ${rest//-/} " ;;
    esac
done <"$table"

# The part of each file of src/ (relative to src/), from the parts' file lists.
declare -A file_part
while read -r part folder files; do
    for file in $files; do
        case "$file" in /*) ;; *) file=$folder/$file ;; esac
        if [ "${file#"$src"/}" = "$file" ]; then
            complain "$part lists $file, which is not in src/"
            continue
        fi
        file=${file#"$src"/}
        if [ -n "${file_part[$file]:-}" ] && [ "${file_part[$file]}" != "$part" ]; then
            complain "$file is in two parts: ${file_part[$file]} and $part"
        fi
        file_part[$file]=$part
    done
done <"$parts"

# The Qt module of a system header: QtCore, QtGui, QtWidgets... or nothing.
qt_module() {
    case "$1" in
        Qt*/*) echo "${1%%/*}" ;;
        *) for module in QtWidgets QtGui QtNetwork QtCore; do
               [ -e "$qt/$module/$1" ] && echo "$module" && return
           done ;;
    esac
}

# Which rooms each room actually includes, for the circle check.
declare -A reaches

check_file() {
    local file=$1 room=${1%%/*} include name module theirs part
    part=${room_part[$room]}
    if [ "${file_part[$file]:-}" != "$part" ]; then
        complain "$file is in ${file_part[$file]:-no part}'s file list, but its room $room feeds $part"
    fi
    while IFS= read -r include; do
        name=${include:1:${#include}-2}
        if [ "${include:0:1}" = "<" ]; then
            module=$(qt_module "$name")
            if [ -n "$module" ] && [[ ${part_modules[$part]:-} != *" $module "* ]]; then
                complain "$file includes $include: $part may not use $module"
            fi
            continue
        fi
        theirs=${name%%/*}
        if [ "$theirs" = "$name" ] || [ -z "${room_part[$theirs]:-}" ]; then
            complain "$file includes $include: includes name a room of src/"
        elif [ "$theirs" != "$room" ]; then
            reaches[$room]+=" $theirs"
            [[ ${allowed[$room]} == *" $theirs "* ]] ||
                complain "$file includes $include: $room may not include $theirs"
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*\([<"][^>"]*[>"]\).*/\1/p' "$src/$file")
}

while IFS= read -r path; do
    file=${path#"$src"/}
    room=${file%%/*}
    if [ "$room" = "$file" ]; then
        complain "$file lies in src/ itself, in no room"
    elif [ -z "${room_part[$room]:-}" ]; then
        complain "$file is in the room $room, which the table of rooms lacks"
    else
        check_file "$file"
    fi
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.c' \) | sort)

# A room that reaches itself again along the edges of `graph` (an array name).
find_circles() {
    local -n graph=$1
    local what=$2 start next path
    for start in "${!room_part[@]}"; do
        local -A seen=()
        local queue=("$start")
        while [ ${#queue[@]} -gt 0 ]; do
            path=${queue[0]}
            queue=("${queue[@]:1}")
            for next in ${graph[${path##* }]:-}; do
                if [ "$next" = "$start" ]; then
                    complain "$what goes round in a circle: $path $start"
                    continue 3
                fi
                [ -n "${seen[$next]:-}" ] && continue
                seen[$next]=1
                queue+=("$path $next")
            done
        done
    done
}
find_circles allowed "the table of rooms"
find_circles reaches "what the files include"

if [ "$broken" -gt 0 ]; then
    echo "$broken rule(s) broken"
    exit 1
fi
echo "every room feeds one part and includes only what the table allows (${#file_part[@]} files)"
