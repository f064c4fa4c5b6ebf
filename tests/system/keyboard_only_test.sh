#!/bin/bash
# The real program driven from the keyboard alone, on a virtual display with a
# private print server:
#
#   with-cups-pdf.sh -- with-xvfb.sh keyboard_only_test.sh path/to/numorra "window caption"
#
# A name is typed, the birth date chosen in the lists by typing and with the
# arrow keys, and the reading calculated with the button's access key; the
# report is printed from its preview (one job reaches the queue, holding the
# report), a second reading is saved through the save dialog (the file holds
# exactly the expected bytes), a saved reading is opened again from the main
# window, and File > Exit ends the program with status 0, from the reading
# window (Alt+F, x) and from the main window (F10, Enter).
#
# No mouse: keys go to the window that has the input focus. There is no window
# manager, so each window is given the focus the way one would give it: when
# it appears, and when the dialog in front of it goes away.
#
# On a failure a screenshot of the whole display is saved beside the program
# (or in /tmp when that folder cannot be written) and named in the FAIL line.
set -u

program=${1:?usage: keyboard_only_test.sh path/to/numorra "window caption"}
caption=${2:?usage: keyboard_only_test.sh path/to/numorra "window caption"}
[ -x "$program" ] || { echo "FAIL: $program is not a program"; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY (run through with-xvfb.sh)"; exit 1; }
[ -d "${NUMORRA_CUPS_SPOOL:-}" ] || { echo "FAIL: no NUMORRA_CUPS_SPOOL (run through with-cups-pdf.sh)"; exit 1; }
spool=$NUMORRA_CUPS_SPOOL

shots=$(cd "$(dirname "$program")" && pwd)
[ -w "$shots" ] || shots=/tmp

work=$(mktemp -d /tmp/numorra-keyboard.XXXXXX)
pid=""
finish() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

mkdir -p "$work/runtime" "$work/config" "$work/files"
chmod 700 "$work/runtime"
# A desktop of no known kind and no platform theme: Qt's own file dialogs.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID \
    QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE
# The C locale writes the report's birth dates as "5 Mar 1980".
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config QT_FONT_DPI=96 \
    LC_ALL=C.UTF-8 LANG=C.UTF-8
unset LANGUAGE

started=$(date +%s.%N)
elapsed() { echo "$started $(date +%s.%N)" | awk '{ printf "%.1f", $2 - $1 }'; }
step() { echo "[$(elapsed)s] $*"; }

fail() {
    local shot
    shot="$shots/keyboard_only_test-failure-$(date +%Y%m%d-%H%M%S)-$$.png"
    import -window root "$shot" 2>/dev/null || shot="(no screenshot: import failed)"
    echo "FAIL: $* (screenshot: $shot)"
    echo "windows on the display:"
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        echo "    $id \"$(xdotool getwindowname "$id" 2>/dev/null)\""
    done
    if [ -s "$work/program.log" ]; then
        echo "the program said:"
        sed 's/^/    /' "$work/program.log"
    fi
    echo "0 passed, 1 failed"
    exit 1
}

# --- Windows ----------------------------------------------------------------

readonly window_title="^${caption//./\\.}\$"
readonly message_title='^Numorra$'
readonly open_title='^Select the source file$'

# Ids of the visible windows whose title matches $1.
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
shown() { windows "$1" | grep -qx "$2"; }

# Every window id seen so far: a window that appears is one not in this list.
# The X server hands a new client the ids a client that has gone had, so the
# list starts afresh with each start of the program.
seen=" "
# Waits up to $2 tenths of a second for a window titled $1 that was not there
# before; its id goes to $new_window.
new_window=""
await_new_window() {
    local id
    for _ in $(seq "$2"); do
        for id in $(windows "$1"); do
            case "$seen" in *" $id "*) ;; *)
                seen="$seen$id "
                new_window=$id
                return 0
                ;;
            esac
        done
        sleep 0.1
    done
    return 1
}
# Waits up to $3 tenths of a second for window $2 (titled $1) to go.
await_gone() {
    for _ in $(seq "$3"); do
        shown "$1" "$2" || return 0
        sleep 0.1
    done
    return 1
}
# Fails unless the windows titled $1 are exactly the ids $2...
expect_windows() {
    local title=$1 want got
    shift
    want=$(printf '%s\n' "$@" | sort)
    got=$(windows "$title" | sort)
    [ "$got" = "$want" ] || fail "expected the windows \"$title\" to be [$*], found [$(echo "$got" | tr "\n" " ")]"
}
# No message box is up.
expect_no_message() {
    [ -z "$(windows "$message_title")" ] || fail "a message box appeared"
}

# Gives window $1 the input focus, as a window manager would.
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || fail "could not focus window $1"; }
# Presses each key (group) in turn, in whichever window has the focus.
keys() {
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.1
    done
}
# Types $1 a character at a time.
typed() { xdotool type --clearmodifiers --delay 40 "$1"; }

# --- Reading files and print jobs -------------------------------------------

# The bytes a reading file holds for name $1, day $2, month $3, year $4: each
# character's code moved up by 85, and CR LF after each line (ASCII here).
reading_file_bytes() {
    local field i code
    for field in "$@"; do
        for ((i = 0; i < ${#field}; i++)); do
            code=$(printf '%d' "'${field:i:1}")
            # shellcheck disable=SC2059  # the format is the escaped byte
            printf "\\x$(printf '%02x' $((code + 85)))"
        done
        printf '\r\n'
    done
}
hex() { od -An -v -tx1 "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

# Text of a PDF as one run of characters: ligatures spelt out, no blanks and
# no hyphens (lines wrap anywhere).
squeezed_pdf_text() { pdftotext -enc UTF-8 "$1" - 2>/dev/null | squeezed; }
squeezed() {
    sed -e 's/ﬀ/ff/g' -e 's/ﬁ/fi/g' -e 's/ﬂ/fl/g' -e 's/ﬃ/ffi/g' -e 's/ﬄ/ffl/g' \
        -e 's/\xc2\xad//g' -e 's/‐//g' -e 's/‑//g' | tr -d ' \t\r\n\f\v-'
}
jobs_in_spool() { find "$spool" -maxdepth 1 -name 'd*-001' | wc -l; }

# Waits up to $2 tenths of a second for print job $1 to be in the spool and
# readable as a PDF; then checks that it holds each text $3... and that it is
# the only new job.
check_print_job() {
    local job=$1 tries=$2 document text needle
    shift 2
    document=$(printf '%s/d%05d-001' "$spool" "$job")
    text=""
    for _ in $(seq "$tries"); do
        if [ -s "$document" ] && text=$(squeezed_pdf_text "$document") && [ -n "$text" ]; then
            break
        fi
        text=""
        sleep 0.1
    done
    [ -n "$text" ] || fail "print job $job did not reach the queue (spool: $(find "$spool" -mindepth 1 -maxdepth 1 -printf "%f "))"
    for needle in "$@"; do
        case "$text" in
            *"$(printf '%s' "$needle" | squeezed)"*) ;;
            *) fail "print job $job does not hold \"$needle\"" ;;
        esac
    done
    # A second job from the same key press would follow at once.
    sleep 0.5
    [ "$(jobs_in_spool)" -eq "$job" ] || fail "expected $job print job(s), the spool has $(jobs_in_spool)"
}

# --- The program ------------------------------------------------------------

start_program() {
    seen=" "
    "$program" >>"$work/program.log" 2>&1 &
    pid=$!
    await_new_window "$window_title" 150 || fail "no main window after the start"
}
# Waits for the program to end by itself and checks its status.
await_exit() {
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && fail "$1 did not end the program"
    wait "$pid"
    local status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status after $1"
}
# In main window $1 the calculate button pressed by its access key: the main
# window goes and the reading window comes; its id goes to $new_window.
calculate() {
    local main=$1
    keys alt+f
    await_new_window "$window_title" 150 || fail "Alt+F: no reading window"
    local reading=$new_window
    await_gone "$window_title" "$main" 50 || fail "Alt+F: the main window stayed"
    expect_windows "$window_title" "$reading"
    expect_no_message
    focus "$reading"
    new_window=$reading
}
# In reading window $1 the report preview opened with Alt+S; its id goes to
# $new_window.
open_preview() {
    keys alt+s
    await_new_window "$window_title" 100 || fail "Alt+S in the reading window: no report preview"
    expect_windows "$window_title" "$1" "$new_window"
    focus "$new_window"
}
# Preview $2 of reading window $1 closed with Escape.
close_preview() {
    keys Escape
    await_gone "$window_title" "$2" 50 || fail "Escape did not close the report preview"
    expect_windows "$window_title" "$1"
    focus "$1"
}
# Reading window $1 left with Alt+B: a fresh main window comes; its id goes
# to $new_window.
go_back() {
    keys alt+b
    await_new_window "$window_title" 150 || fail "Alt+B: no main window"
    local main=$new_window
    await_gone "$window_title" "$1" 50 || fail "Alt+B: the reading window stayed"
    expect_windows "$window_title" "$main"
    focus "$main"
    new_window=$main
}

# Presses the access key $1, types the path $3 into the file dialog titled $2
# that it opens (its file name field has the focus) and accepts it with Enter.
through_file_dialog() {
    local dialog
    keys "$1"
    await_new_window "$2" 100 || fail "$1: no file dialog \"$2\""
    dialog=$new_window
    focus "$dialog"
    typed "$3"
    keys Return
    await_gone "$2" "$dialog" 50 || fail "Enter did not accept the file dialog \"$2\""
}

# --- The run ----------------------------------------------------------------

# The reading file the first reading would be saved as; the encoding is
# checked against known bytes first.
anna_file=$work/files/anna-lee.qnr
reading_file_bytes "Anna Lee" 5 March 1980 >"$anna_file"
[ "$(hex "$anna_file")" = "96 c3 c3 b6 75 a1 ba ba 0d 0a 8a 0d 0a a2 b6 c7 b8 bd 0d 0a 86 8e 8d 85 0d 0a" ] ||
    fail "the test's own reading file encoding is wrong: $(hex "$anna_file")"
bo_expected=$work/files/bo-chen.expected
reading_file_bytes "Bo Chen" 11 November 1911 >"$bo_expected"
bo_file=$work/files/bo-chen.qnr

step "start: the main window"
start_program
main=$new_window
focus "$main"
expect_no_message

step "Anna Lee, 5 March 1980, typed into the lists; Alt+F calculates"
# The name field has the focus; each list takes the first item that starts
# with what is typed.
typed "Anna Lee"
keys Tab
typed "5"
keys Tab
typed "March"
keys Tab
typed "1980"
calculate "$main"
reading=$new_window

step "Alt+S opens the report, Alt+P prints it: one job holding the report"
open_preview "$reading"
preview=$new_window
[ "$(jobs_in_spool)" -eq 0 ] || fail "a print job before Alt+P"
keys alt+p
check_print_job 1 300 "Name: Anna Lee" "Date of Birth: 5 Mar 1980" \
    "Most Favorable Number by Chinese Numerology" \
    "Report Generated By https://numorra.example.org/"
expect_no_message
expect_windows "$window_title" "$reading" "$preview"
close_preview "$reading" "$preview"

step "Alt+B: a fresh main window"
go_back "$reading"
main=$new_window

step "Bo Chen, 11 November 1911, with the arrow keys and typing; Alt+F calculates"
# From the preset 1 and January: ten steps down each.
typed "Bo Chen"
keys Tab Home Down Down Down Down Down Down Down Down Down Down
keys Tab Home Down Down Down Down Down Down Down Down Down Down
keys Tab
typed "1911"
calculate "$main"
reading=$new_window

step "Alt+S in the preview saves the reading through the save dialog"
open_preview "$reading"
preview=$new_window
through_file_dialog alt+s "$message_title" "$bo_file"
expect_no_message
expect_windows "$window_title" "$reading" "$preview"
for _ in $(seq 50); do [ -s "$bo_file" ] && break; sleep 0.1; done
[ -f "$bo_file" ] || fail "no reading file at $bo_file (the folder has: $(find "$work/files" -mindepth 1 -printf "%f "))"
[ "$(hex "$bo_file")" = "$(hex "$bo_expected")" ] ||
    fail "the saved reading holds [$(hex "$bo_file")], expected [$(hex "$bo_expected")]"
focus "$preview"
close_preview "$reading" "$preview"
go_back "$reading"
main=$new_window

step "Alt+O opens the Anna Lee reading file"
through_file_dialog alt+o "$open_title" "$anna_file"
await_new_window "$window_title" 150 || fail "opening $anna_file: no reading window"
reading=$new_window
await_gone "$window_title" "$main" 50 || fail "opening a reading: the main window stayed"
expect_windows "$window_title" "$reading"
expect_no_message
focus "$reading"

step "its report is Anna Lee's: printed as job 2"
open_preview "$reading"
preview=$new_window
keys alt+p
check_print_job 2 300 "Name: Anna Lee" "Date of Birth: 5 Mar 1980" \
    "Most Favorable Number by Chinese Numerology" \
    "Report Generated By https://numorra.example.org/"
close_preview "$reading" "$preview"

step "File > Exit (Alt+F, x) in the reading window ends the program"
keys alt+f
sleep 0.2
keys x
await_exit "Alt+F, x in the reading window"

step "a new start: File > Exit (F10, Enter) in the main window ends it"
start_program
main=$new_window
focus "$main"
expect_no_message
keys F10
sleep 0.2
keys Return
await_exit "F10, Enter in the main window"
[ "$(jobs_in_spool)" -eq 2 ] || fail "expected 2 print jobs at the end, the spool has $(jobs_in_spool)"

step "done"
echo "1 passed, 0 failed"
