#!/bin/sh
# Starts Numorra. Without a display, starts it on a virtual display just long
# enough to save a screenshot of the main window, then ends.
set -eu

program=$1
build_dir=$(dirname "$program")
shot="$build_dir/numorra-main-window.png"

if [ -z "${NUMORRA_SCREENSHOT:-}" ]; then
    if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
        exec "$program"
    fi
    echo "No display found: starting Numorra on a virtual display (Xvfb) to take a screenshot of its main window."
    NUMORRA_SCREENSHOT=1 exec "$(dirname "$0")/with-xvfb.sh" "$0" "$program"
fi

# On the virtual display. Each screenshot run is its own user session, so the
# program never meets an instance lock or reminder date left by a real
# desktop session.
caption="Numorra v$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")"
log="$build_dir/numorra-run.log"
session_dir=$(mktemp -d)
program_pid=""
cleanup() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    rm -rf "$session_dir"
}
trap cleanup EXIT

XDG_RUNTIME_DIR=$session_dir XDG_CONFIG_HOME=$session_dir "$program" >"$log" 2>&1 &
program_pid=$!

if window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$caption\$" 2>/dev/null); then
    sleep 1
    import -window "$(echo "$window" | head -n 1)" "$shot"
    echo "Screenshot of the main window saved to $shot"
else
    echo "Numorra did not show its main window; see $log" >&2
    exit 1
fi
