#!/bin/bash
# Starts the real program on a virtual display (run through with-xvfb.sh, in
# a D-Bus session of its own): a second start is refused with a message and
# exits once it is answered, the first keeps its window; a second start with
# a reading file hands it to the first, which shows its reading (read through
# the accessibility tree, as a screen reader reads it); a lock left by a
# killed instance does not keep a new start out; of fifty starts at the same
# moment exactly one keeps running; at the desktop's text size of 150%
# (Xft.dpi 144) the main window is one and a half times its size.
#
#   dbus-run-session -- with-xvfb.sh single_instance_test.sh path/to/numorra "window caption"
set -u
program=$1
caption=$2
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no DISPLAY (run through with-xvfb.sh)"; exit 1; }

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
pids=()

finish() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "FAIL: $*"
    echo "--- what the program said:"; tail -n 20 "$work/program.log"
    exit 1
}
alive() { kill -0 "$1" 2>/dev/null; }
# Window ids whose title is exactly $1.
windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }
# Waits up to $2 tenths of a second for exactly $3 windows titled $1.
await_windows() {
    for _ in $(seq "$2"); do
        [ "$(windows "$1" | wc -l)" -eq "$3" ] && return 0
        sleep 0.1
    done
    return 1
}
# Presses Return in the message box window $1.
answer() { xdotool windowfocus --sync "$1" key --clearmodifiers Return 2>/dev/null; }
start() { "$program" "$@" >>"$work/program.log" 2>&1 & pids+=($!); }
# The accessible names under the windows of the running Numorra, one a line
# (the lists' items left out).
accessible_names() {
    /usr/bin/python3 -c '
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi
def walk(node):
    print(node.get_name())
    if node.get_role() not in (Atspi.Role.LIST, Atspi.Role.MENU):
        for index in range(node.get_child_count()):
            walk(node.get_child_at_index(index))
desktop = Atspi.get_desktop(0)
for index in range(desktop.get_child_count()):
    application = desktop.get_child_at_index(index)
    if application.get_name() == "numorra":
        walk(application)' 2>/dev/null
}
# Waits up to $2 tenths of a second for process $1 to end.
await_exit() {
    for _ in $(seq "$2"); do alive "$1" || return 0; sleep 0.1; done
    return 1
}

echo "first start shows the main window"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start; first=${pids[-1]}
await_windows "$caption" 100 1 || fail "no main window"
# Width and height of the window titled $1.
size() { xwininfo -id "$(windows "$1" | head -n 1)" | awk '/Width:|Height:/ { printf "%s ", $2 }'; }
read -r width height <<<"$(size "$caption")"

echo "second start says it is already running, and exits once answered"
start; second=${pids[-1]}
await_windows "Numorra" 100 1 || fail "no message box"
alive "$second" || fail "second start ended before its message was answered"
answer "$(windows Numorra)"
await_exit "$second" 100 || fail "second start still running after its message"
wait "$second"; [ $? -eq 0 ] || fail "second start did not end normally"
alive "$first" || fail "first instance was disturbed"
await_windows "$caption" 10 1 || fail "first instance lost its window"

echo "a second start with a reading file hands it to the first, and ends"
# Anna Lee, born 5 March 1980, as a save writes her: each code moved up by 85, CR LF.
printf '\x96\xc3\xc3\xb6\x75\xa1\xba\xba\r\n\x8a\r\n\xa2\xb6\xc7\xb8\xbd\r\n\x86\x8e\x8d\x85\r\n' >"$work/anna.qnr"
(cd "$work" && exec "$program" anna.qnr >>"$work/program.log" 2>&1) & pids+=($!); fourth=$!
await_exit "$fourth" 300 || fail "the start with a reading file did not end"
wait "$fourth"; [ $? -eq 0 ] || fail "the start with a reading file did not end with status 0"
windows Numorra | grep -q . && fail "the start with a reading file showed a message box"
# The chart of the first instance's reading window counts the digits of 5 3 1980.
for _ in $(seq 100); do
    accessible_names | grep -qx "Number 5, occurs once" && break
    sleep 0.2
done
names=$(accessible_names)
grep -qx "Number 5, occurs once" <<<"$names" || fail "the first instance does not show the reading handed over"
grep -qx "Number 2, does not occur" <<<"$names" || fail "the reading shown is not the one handed over"
await_windows "$caption" 10 1 || fail "expected the reading window alone"

echo "a killed instance does not lock the user out"
kill -9 "$first"; wait "$first" 2>/dev/null
start; third=${pids[-1]}
await_windows "$caption" 100 1 || fail "no main window after the kill"
windows Numorra | grep -q . && fail "a new start after a kill was refused"
kill -9 "$third"; wait "$third" 2>/dev/null

echo "fifty starts at once leave exactly one running"
batch=()
for _ in $(seq 50); do start; batch+=("${pids[-1]}"); done
await_windows "Numorra" 900 49 || fail "expected 49 refusals, saw $(windows Numorra | wc -l)"
await_windows "$caption" 10 1 || fail "expected one main window"
for box in $(windows Numorra); do answer "$box"; done
for pid in "${batch[@]}"; do await_exit "$pid" 3 >/dev/null; done
for _ in $(seq 100); do
    running=0
    for pid in "${batch[@]}"; do alive "$pid" && running=$((running + 1)); done
    [ "$running" -eq 1 ] && break
    sleep 0.1
done
[ "$running" -eq 1 ] || fail "$running instances running"
await_windows "$caption" 10 1 || fail "the running instance has no window"

echo "at the desktop's text size of 150% the main window is 1.5 times as large"
for pid in "${batch[@]}"; do kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
echo "Xft.dpi: 144" | xrdb -merge
start
await_windows "$caption" 100 1 || fail "no main window at 144 dpi"
read -r width144 height144 <<<"$(size "$caption")"
xrdb -remove
[ $((width144 * 2 - width * 3)) -ge -2 ] && [ $((width144 * 2 - width * 3)) -le 2 ] &&
    [ $((height144 * 2 - height * 3)) -ge -2 ] && [ $((height144 * 2 - height * 3)) -le 2 ] ||
    fail "at 144 dpi the main window is ${width144}x$height144, at 96 dpi ${width}x$height"
echo "1 passed, 0 failed"
