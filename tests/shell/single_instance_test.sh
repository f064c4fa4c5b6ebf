#!/bin/bash
# Starts the real program on a virtual display: a second start is refused with
# a message and exits once it is answered, the first keeps its window; a lock
# left by a killed instance does not keep a new start out; of fifty starts at
# the same moment exactly one keeps running.
set -u
program=$1

work=$(mktemp -d)
# Xvfb picks a free display itself and writes its number to the pipe.
exec 3> >(cat >"$work/display")
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.05; done
display=":$(head -n 1 "$work/display")"
[ "$display" != ":" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
# X11 even inside a Wayland session, where Qt would otherwise prefer Wayland.
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
pids=()

finish() {
    exec 3>&-
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    kill "$xvfb" 2>/dev/null
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
start() { "$program" >>"$work/program.log" 2>&1 & pids+=($!); }
# Waits up to $2 tenths of a second for process $1 to end.
await_exit() {
    for _ in $(seq "$2"); do alive "$1" || return 0; sleep 0.1; done
    return 1
}

ready=""
for _ in $(seq 300); do xdpyinfo >/dev/null 2>&1 && ready=yes && break; sleep 0.1; done
[ -n "$ready" ] || fail "Xvfb on $DISPLAY does not answer"

echo "first start shows the main window"
start; first=${pids[-1]}
await_windows "Numorra v1.75" 100 1 || fail "no main window"

echo "second start says it is already running, and exits once answered"
start; second=${pids[-1]}
await_windows "Numorra" 100 1 || fail "no message box"
alive "$second" || fail "second start ended before its message was answered"
answer "$(windows Numorra)"
await_exit "$second" 100 || fail "second start still running after its message"
wait "$second"; [ $? -eq 0 ] || fail "second start did not end normally"
alive "$first" || fail "first instance was disturbed"
await_windows "Numorra v1.75" 10 1 || fail "first instance lost its window"

echo "a killed instance does not lock the user out"
kill -9 "$first"; wait "$first" 2>/dev/null
start; third=${pids[-1]}
await_windows "Numorra v1.75" 100 1 || fail "no main window after the kill"
windows Numorra | grep -q . && fail "a new start after a kill was refused"
kill -9 "$third"; wait "$third" 2>/dev/null

echo "fifty starts at once leave exactly one running"
batch=()
for _ in $(seq 50); do start; batch+=("${pids[-1]}"); done
await_windows "Numorra" 900 49 || fail "expected 49 refusals, saw $(windows Numorra | wc -l)"
await_windows "Numorra v1.75" 10 1 || fail "expected one main window"
for box in $(windows Numorra); do answer "$box"; done
for pid in "${batch[@]}"; do await_exit "$pid" 3 >/dev/null; done
for _ in $(seq 100); do
    running=0
    for pid in "${batch[@]}"; do alive "$pid" && running=$((running + 1)); done
    [ "$running" -eq 1 ] && break
    sleep 0.1
done
[ "$running" -eq 1 ] || fail "$running instances running"
await_windows "Numorra v1.75" 10 1 || fail "the running instance has no window"
echo "1 passed, 0 failed"
