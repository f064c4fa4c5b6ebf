#!/bin/bash
# Starts the real program the way a Wayland desktop starts it - WAYLAND_DISPLAY
# set, no DISPLAY, no QT_QPA_PLATFORM - under a headless weston of the test's
# own, and watches it from the compositor's side (weston_remote.so lists the
# windows weston shows and acts as their user):
#   - the main window is a native Wayland window (xdg_toplevel) of the
#     program's process, with the desktop entry's application id;
#   - a second start shows "Application is already running" in a window of its
#     own, ends with status 0 once that is answered with Return, and leaves the
#     first instance and its window alone;
#   - closing the main window from the desktop (xdg_toplevel.close, what a
#     close button drawn by the compositor or a task bar sends) ends the
#     program with status 0.
#
#   wayland_test.sh path/to/numorra path/to/weston_remote.so "window caption"
set -u
program=$1
remote=$2
caption=$3

app_id=org.example.numorra.Numorra
work=$(mktemp -d)
runtime=$work/runtime
mkdir -m 700 "$runtime"
socket=numorra-test-$$
windows=$work/windows
control=$work/control
weston_pid=""
pids=()

finish() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null
        for _ in $(seq 50); do kill -0 "$weston_pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$weston_pid" 2>/dev/null
    fi
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "FAIL: $*"
    echo "--- windows weston shows (pid, role, app id, title, state):"
    cat "$windows" 2>/dev/null
    echo "--- what the program said:"
    tail -n 20 "$work/program.log" 2>/dev/null
    echo "--- weston's log:"
    tail -n 20 "$work/weston.log" 2>/dev/null
    exit 1
}
alive() { kill -0 "$1" 2>/dev/null; }
# Waits up to $1 tenths of a second for the command that follows to succeed.
await() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
# Succeeds when process $1 shows a native window of the program titled $2
# (and, with $3, in state active or inactive).
shows() {
    awk -F '\t' -v pid="$1" -v id="$app_id" -v title="$2" -v state="${3:-}" '
        $1 == pid && $2 == "xdg_toplevel" && $3 == id && $4 == title &&
            (state == "" || $5 == state) { found = 1 }
        END { exit !found }' "$windows" 2>/dev/null
}
no_windows() { [ -f "$windows" ] && [ ! -s "$windows" ]; }
ended() { ! alive "$1"; }
# Starts the program with the environment of a Wayland session and nothing else
# of a display; a fresh configuration folder, so no update reminder asks first.
start() {
    env -u DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE -u XDG_CURRENT_DESKTOP \
        -u XDG_SESSION_DESKTOP -u WAYLAND_SOCKET \
        WAYLAND_DISPLAY="$socket" XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$work/config" \
        "$program" >>"$work/program.log" 2>&1 &
    pids+=($!)
}
# Presses and releases key $1 (a Linux input event code) on weston's keyboard.
press() {
    echo "press $1" >"$control"
    sleep 0.1
    echo "release $1" >"$control"
}
# No idle time-out (a slow run must not find the screen locked), no on-screen keyboard.
printf '[core]\nidle-time=0\n[input-method]\npath=\n' >"$work/weston.ini"
env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET XDG_RUNTIME_DIR="$runtime" \
    NUMORRA_WESTON_WINDOWS="$windows" NUMORRA_WESTON_CONTROL="$control" \
    weston --backend=headless-backend.so --socket="$socket" --config="$work/weston.ini" \
    --modules="$remote" --log="$work/weston.log" >/dev/null 2>&1 &
weston_pid=$!
await 300 test -S "$runtime/$socket" -a -p "$control" -a -f "$windows" ||
    fail "weston did not start"

echo "the first start shows its main window, natively on Wayland"
start
first=${pids[-1]}
await 300 shows "$first" "$caption" || fail "no native main window with the app id $app_id"

echo "a second start says it is already running, and ends once answered"
start
second=${pids[-1]}
await 300 shows "$second" "Numorra" active || fail "no message window from the second start"
alive "$second" || fail "the second start ended before its message was answered"
press 28 # Return
await 100 ended "$second" || fail "the second start is still running after its message"
wait "$second"
status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
alive "$first" || fail "the first instance was disturbed"
shows "$first" "$caption" || fail "the first instance lost its window"

echo "closing the main window from the desktop ends the program"
echo "close $caption" >"$control"
await 100 ended "$first" || fail "the program is still running after its window was closed"
wait "$first"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
await 20 no_windows || fail "windows are left after the program ended"
echo "1 passed, 0 failed"
