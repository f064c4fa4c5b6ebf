#!/bin/bash
# The real program on a virtual display (run through with-xvfb.sh), with a
# recording stand-in for xdg-open first on PATH: each Help entry, chosen from
# the keyboard in the main window and in the reading window, hands its own
# address to the browser, and the program stays responsive throughout.
set -u
program=$1
caption=$2
help_page=$3
home_page=$4
download_page=$5

work=$(mktemp -d)
pid=""
finish() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
fail() {
    echo "FAIL: $*"
    echo "addresses handed over:"; cat "$work/opened" 2>/dev/null
    exit 1
}

mkdir -p "$work/bin" "$work/runtime" "$work/config"
chmod 700 "$work/runtime"
cat >"$work/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$1" >>"$work/opened"
STUB
chmod +x "$work/bin/xdg-open"
: >"$work/opened"

# A desktop of no known kind, so Qt hands addresses to xdg-open.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID BROWSER
export PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"

window() { xdotool search --onlyvisible --name "^${caption//./\\.}\$" 2>/dev/null | head -n 1; }
await_window() {
    for _ in $(seq 100); do [ -n "$(window)" ] && return 0; sleep 0.1; done
    return 1
}
# Presses keys in the program's window, one group at a time.
keys() {
    xdotool windowfocus --sync "$(window)" 2>/dev/null
    for key in "$@"; do xdotool key --clearmodifiers "$key"; sleep 0.3; done
}
# How many windows of the program are on the screen (a menu counts as one).
shown() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
# Opens the Help menu, waits for it to be on the screen, then chooses an entry by its key.
choose() {
    xdotool windowfocus --sync "$(window)" 2>/dev/null
    local before
    before=$(shown)
    xdotool key --clearmodifiers alt+h
    for _ in $(seq 50); do [ "$(shown)" -gt "$before" ] && break; sleep 0.1; done
    xdotool key --clearmodifiers "$1"
}
# Waits for the stand-in to have been handed `$1` as its `$2`nd address.
await_address() {
    for _ in $(seq 50); do
        [ "$(sed -n "${2}p" "$work/opened")" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
choose_help_entries() {
    local where=$1 count=$2
    choose o
    await_address "$help_page" $((count + 1)) || fail "$where: Online Help"
    choose v
    await_address "$home_page" $((count + 2)) || fail "$where: Visit Us Online"
    choose u
    await_address "$download_page" $((count + 3)) || fail "$where: Check for Software Update"
    kill -0 "$pid" 2>/dev/null || fail "$where: the program ended"
}

"$program" >"$work/program.log" 2>&1 &
pid=$!
await_window || fail "no main window"

echo "main window's Help entries"
choose_help_entries "main window" 0

echo "reading window's Help entries"
# The name field has the focus when the window opens.
xdotool type --delay 50 "Anna Lee"
keys alt+f
sleep 1
await_window || fail "no reading window"
xdotool search --onlyvisible --name '^Numorra v1\.75$' | grep -q . || fail "no reading window"
choose_help_entries "reading window" 3

echo "still answering: File > Exit ends it"
keys alt+f x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
wait "$pid"
status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ "$(wc -l <"$work/opened")" -eq 6 ] || fail "expected six addresses"
echo "1 passed, 0 failed"
