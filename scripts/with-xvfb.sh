#!/bin/bash
# Runs a command on a virtual X display of its own:
#
#   with-xvfb.sh command [args...]
#
# Xvfb picks a free display and says which; the command sees it in DISPLAY,
# with Qt's X11 platform chosen. It never resets: by default an X server
# resets when its last client leaves, and a program connecting meanwhile is
# refused (Qt then aborts). The server is stopped afterwards, and the
# script exits with the command's status.
set -eu

# In a session bus of its own where there is none, as a desktop session has
# one: without it, Qt 6.8's desktop services (QGenericUnixServices) leave the
# portal call they make at start-up behind at exit, which LeakSanitizer reports.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
xvfb=""
finish() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

exec 3> >(cat >"$work/display")
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
# A loaded machine may take a while to bring the server up; never go on without it.
ready=""
for _ in $(seq 300); do xdpyinfo >/dev/null 2>&1 && ready=yes && break; sleep 0.1; done
[ -n "$ready" ] || { echo "Xvfb on $DISPLAY does not answer:" >&2; cat "$work/xvfb.log" >&2; exit 1; }

status=0
"$@" || status=$?
exit "$status"
