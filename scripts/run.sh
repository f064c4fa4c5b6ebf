#!/bin/sh
# Starts Numorra. Without a display, starts it on a virtual display just long
# enough to save a screenshot of the main window, then ends.
set -eu

program=$1
build_dir=$(dirname "$program")

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

shot="$build_dir/numorra-main-window.png"
echo "No display found: starting Numorra on a virtual display (Xvfb) to take a screenshot of its main window."

log="$build_dir/numorra-run.log"
display_file=$(mktemp)
# Xvfb picks a free display itself and writes its number to the file.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
display=":$(head -n 1 "$display_file")"
rm -f "$display_file"
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

for _ in $(seq 50); do
    DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

# Each screenshot run is its own user session, so the program never meets an
# instance lock or reminder date left by a real desktop session.
session_dir=$(mktemp -d)
XDG_RUNTIME_DIR=$session_dir XDG_CONFIG_HOME=$session_dir DISPLAY=$display \
    "$program" >"$log" 2>&1 &
program_pid=$!

if window=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name "Numorra v1.75" 2>/dev/null); then
    sleep 1
    DISPLAY=$display import -window "$(echo "$window" | head -n 1)" "$shot"
    echo "Screenshot of the main window saved to $shot"
else
    echo "Numorra did not show its main window; see $log" >&2
    exit 1
fi
rm -rf "$session_dir"
