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

# On the virtual display, in a session of its own.
# shellcheck source=scripts/program-session.sh
. "$(dirname "$0")/program-session.sh"
log="$build_dir/numorra-run.log"
if start_program "$log"; then
    sleep 1
    import -window "$main" "$shot"
    echo "Screenshot of the main window saved to $shot"
else
    echo "Numorra did not show its main window; see $log" >&2
    exit 1
fi
