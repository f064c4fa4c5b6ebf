#!/bin/bash
# Makes the picture the README shows: the main window with Anna Lee's details
# typed in, beside the reading window they give, taken from the real program
# on a virtual display of its own (Xvfb, no window manager, 96 dpi, English).
#
#   scripts/screenshots.sh [build/numorra] [docs/numorra.png]
set -eu

program=${1:-build/numorra}
picture=${2:-docs/numorra.png}
[ -x "$program" ] || { echo "screenshots.sh: $program is not a program (make run builds it)" >&2; exit 1; }
if [ -z "${NUMORRA_SHOTS_DISPLAY:-}" ]; then
    NUMORRA_SHOTS_DISPLAY=1 exec "$(dirname "$0")/with-xvfb.sh" "$0" "$program" "$picture"
fi

# shellcheck source=scripts/program-session.sh
. "$(dirname "$0")/program-session.sh"
unset LANGUAGE XDG_CURRENT_DESKTOP QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE
export LC_ALL=C.UTF-8 QT_FONT_DPI=96
start_program "$session/program.log" ||
    { echo "screenshots.sh: no main window; the program said:" >&2; cat "$session/program.log" >&2; exit 1; }
xdotool windowfocus --sync "$main"
xdotool type --delay 40 "Anna Lee"
for field in 5 Mar 1980; do
    xdotool key Tab
    xdotool type --delay 40 "$field"
done
sleep 0.5
import -window "$main" "$session/main.png"

xdotool key alt+f
reading=""
for _ in $(seq 100); do
    reading=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | grep -vx "$main" | head -n 1) &&
        [ -n "$reading" ] && break
    sleep 0.1
done
[ -n "$reading" ] || { echo "screenshots.sh: no reading window; the program said:" >&2; cat "$session/program.log" >&2; exit 1; }
sleep 1
import -window "$reading" "$session/reading.png"

# Side by side on white, tops aligned, a margin around and between them.
convert -background white "$session/main.png" -size 24x1 xc:white "$session/reading.png" \
    -gravity north +append -bordercolor white -border 12 "$picture"
echo "Saved $picture"
