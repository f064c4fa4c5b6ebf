# shellcheck shell=sh
# Sourced by the scripts that start Numorra on a virtual display, with
# `program` set to the built program. The program gets a user session of its
# own, so that it never meets an instance lock, settings or a reminder date
# of a real desktop session: a private scratch folder for its runtime,
# settings and cache, removed at exit, the program stopped with it.

# shellcheck disable=SC2154  # program: set by the script that sources this
caption="Numorra v$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$(dirname "$program")/CMakeCache.txt")"
session=$(mktemp -d)
program_pid=""
end_session() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    rm -rf "$session"
}
trap end_session EXIT
mkdir -m 700 "$session/runtime"
export XDG_RUNTIME_DIR="$session/runtime" XDG_CONFIG_HOME="$session" XDG_CACHE_HOME="$session"

# start_program LOG: starts the program, what it prints going to LOG, and
# sets `main` to its main window; fails when none shows within 20 seconds.
start_program() {
    "$program" >"$1" 2>&1 &
    program_pid=$!
    main=$(timeout 20 xdotool search --sync --onlyvisible --name "^$caption\$" 2>/dev/null | head -n 1)
    [ -n "$main" ]
}
