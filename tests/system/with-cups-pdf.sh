#!/bin/bash
# Runs a command against a private CUPS print server with one PDF queue.
#
#   with-cups-pdf.sh [--no-default | --rejecting] -- command [args...]
#
# A cupsd of our own is started with every file it uses (configuration, its
# Unix socket, spool, logs, cache, state) in a fresh folder /tmp/numorra-cups.*;
# it has no TCP port, and the system's CUPS configuration and scheduler are
# neither used nor touched. It gets one queue, PDF, on the cups-pdf backend:
#
#   (default)     PDF is the server's default destination and accepts jobs.
#   --no-default  PDF exists and accepts jobs, but the server has no default
#                 destination (QPrinterInfo::defaultPrinter() is null).
#   --rejecting   PDF is the default destination but rejects jobs, so
#                 cupsPrintFile() and lp fail.
#
# The command sees:
#   CUPS_SERVER          the private server's socket, so libcups, Qt and lp*
#                        talk to it only
#   NUMORRA_CUPS_SPOOL   the server's spool folder: job N's document, exactly
#                        the bytes that were submitted, is d<N as 5 digits>-001
#                        there (d00001-001 for the first job) and stays after
#                        the job has finished
#   NUMORRA_CUPS_PDF_OUT the folder where cups-pdf writes its own PDF of a job
#   HOME, CUPS_SERVERROOT empty private folders, so that no ~/.cups/lpoptions,
#                        /etc/cups/lpoptions or client.conf picks another
#                        default printer or server; LPDEST and PRINTER unset
#
# Afterwards the server and everything it started are stopped and the folder
# removed, however the command ends; the script exits with the command's exit
# status (128 + N when it was killed by signal N). Needs root (cupsd and the
# cups-pdf backend do) and the packages cups and printer-driver-cups-pdf.
#
# Environment knobs: NUMORRA_CUPS_START_TIMEOUT (seconds to wait for the
# server and its queue, default 30), NUMORRA_CUPS_LOGLEVEL (cupsd LogLevel,
# default info), NUMORRA_CUPS_KEEP=1 (keep the folder, with its logs, and say
# where it is).

# shellcheck disable=SC2317  # cleanup, on_signal and the checks run from traps and wait_for
set -eu

usage() {
    echo "usage: $0 [--no-default|--rejecting] -- command [args...]" >&2
    exit 2
}

say() { echo "with-cups-pdf: $*" >&2; }
die() {
    say "$*"
    exit 1
}

mode=default
while [ $# -gt 0 ]; do
    case "$1" in
        --no-default) mode=no-default ;;
        --rejecting) mode=rejecting ;;
        --) shift; break ;;
        *) usage ;;
    esac
    shift
done
[ $# -gt 0 ] || usage

start_timeout=${NUMORRA_CUPS_START_TIMEOUT:-30}
loglevel=${NUMORRA_CUPS_LOGLEVEL:-info}
system_ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
cups_pdf_backend=/usr/lib/cups/backend/cups-pdf
# Kept short on purpose: cups-pdf takes its folders from the PPD (see below)
# and the socket path has to fit a sockaddr_un.
folder_prefix=/tmp/numorra-cups.

[ "$(id -u)" = 0 ] || die "needs root: cupsd and the cups-pdf backend run as root"
command -v cupsd >/dev/null || die "cupsd not found (install the package cups)"
command -v lpadmin >/dev/null || die "lpadmin not found (install the package cups-client)"
[ -x "$cups_pdf_backend" ] || die "$cups_pdf_backend not found (install printer-driver-cups-pdf)"
[ -r "$system_ppd" ] || die "$system_ppd not found (install printer-driver-cups-pdf)"

tmp=""
cupsd_pid=""
child_pid=""

# The pids of every process below $1.
descendants() {
    # A stat line is "pid (command) state ppid ..."; the command may hold
    # blanks and parentheses, so the ppid is read after the last ") ".
    cat /proc/[0-9]*/stat 2>/dev/null | awk -v root="$1" '
        {
            pid = $1
            rest = $0
            sub(/.*\) /, "", rest)
            split(rest, f, " ")
            kids[f[2]] = kids[f[2]] " " pid
        }
        END {
            queue[1] = root; head = 1; tail = 1
            while (head <= tail) {
                n = split(kids[queue[head++]], k, " ")
                for (i = 1; i <= n; i++) { queue[++tail] = k[i]; printf "%s ", k[i] }
            }
        }'
}

# Processes that cupsd started for the server living in folder $1 (filters,
# backends, Ghostscript): cupsd gives each of them CUPS_SERVERROOT=$1/etc.
server_children() {
    grep -lsxzF "CUPS_SERVERROOT=$1/etc" /proc/[0-9]*/environ 2>/dev/null |
        sed -e 's,^/proc/,,' -e 's,/environ$,,' || true
}

# Ends process $1, a child of this script: TERM, then KILL when it has not
# gone after 10 s.
stop_process() {
    if kill -0 "$1" 2>/dev/null; then
        kill -TERM "$1" 2>/dev/null || true
        for _ in $(seq 1 100); do
            kill -0 "$1" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$1" 2>/dev/null || true
    fi
    wait "$1" 2>/dev/null || true
}

# Stops the cupsd of folder $1 (pid $2, may be empty) and whatever it started.
stop_server() {
    local folder=$1 pid=$2 others
    others=""
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        # Let a job in progress finish first (about a second for cups-pdf):
        # killed midway, cups-pdf would leave its Ghostscript child behind.
        for _ in $(seq 1 100); do
            if [ -z "$(server_children "$folder")" ] &&
                [ -z "$(CUPS_SERVER=$folder/run/cups.sock lpstat -o 2>/dev/null)" ]; then
                break
            fi
            sleep 0.1
        done
        others=$(descendants "$pid")
        stop_process "$pid"
    fi
    others="$others $(server_children "$folder")"
    for pid in $others; do
        kill -KILL "$pid" 2>/dev/null || true
    done
}

cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    set +e
    end_child
    if [ -n "$tmp" ]; then
        stop_server "$tmp" "$cupsd_pid"
        if [ "${NUMORRA_CUPS_KEEP:-0}" = 1 ]; then
            say "kept $tmp"
        else
            rm -rf "$tmp"
        fi
    fi
    exit "$status"
}

# Ends the command, if it still runs (TERM, since a background command ignores INT).
end_child() {
    [ -n "$child_pid" ] || return 0
    stop_process "$child_pid"
    child_pid=""
}

on_signal() {
    end_child
    exit $((128 + $1))
}

trap cleanup EXIT
trap 'on_signal 1' HUP
trap 'on_signal 2' INT
trap 'on_signal 15' TERM

# Folders of runs that were killed before they could clean up (SIGKILL, a
# machine reset): their owner is gone, so stop their server and remove them.
# A folder without an owner file yet belongs to a run that is just starting.
sweep_stale() {
    local folder owner
    for folder in "$folder_prefix"*; do
        [ -d "$folder" ] || continue
        if [ -f "$folder/owner" ]; then
            owner=$(cat "$folder/owner" 2>/dev/null || true)
            [ -n "$owner" ] && kill -0 "$owner" 2>/dev/null && continue
        elif [ -z "$(find "$folder" -maxdepth 0 -mmin +10)" ]; then
            continue
        fi
        local stale_pid=""
        if [ -f "$folder/cupsd.pid" ]; then
            stale_pid=$(cat "$folder/cupsd.pid" 2>/dev/null || true)
            # Only if that pid is still this folder's cupsd.
            if [ -z "$stale_pid" ] ||
                ! tr '\0' ' ' <"/proc/$stale_pid/cmdline" 2>/dev/null | grep -qF "$folder/etc/"; then
                stale_pid=""
            fi
        fi
        stop_server "$folder" "$stale_pid"
        rm -rf "$folder"
    done
}
sweep_stale

tmp=$(mktemp -d "${folder_prefix}XXXXXX")
echo $$ >"$tmp/owner"
# The filters run as the user lp and have to get through to the spool and PPD.
chmod 755 "$tmp"
etc=$tmp/etc
spool=$tmp/spool
socket=$tmp/run/cups.sock
mkdir -p "$etc/ppd" "$spool" "$tmp/run" "$tmp/log" "$tmp/cache" "$tmp/state" \
    "$tmp/client" "$tmp/home" \
    "$tmp/pdf-out" "$tmp/pdf-spool" "$tmp/pdf-log" "$tmp/pdf-anon" "$tmp/pdf-tmp"

cat >"$etc/cups-files.conf" <<EOF
ServerRoot $etc
RequestRoot $spool
CacheDir $tmp/cache
StateDir $tmp/state
AccessLog $tmp/log/access_log
ErrorLog $tmp/log/error_log
PageLog $tmp/log/page_log
Printcap $tmp/state/printcap
SystemGroup root
FileDevice No
EOF

cat >"$etc/cupsd.conf" <<EOF
LogLevel $loglevel
Listen $socket
Browsing No
WebInterface No
DefaultAuthType None
DefaultShared No
PreserveJobFiles Yes
PreserveJobHistory Yes
ErrorPolicy abort-job
JobKillDelay 2
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
chmod 644 "$etc/cups-files.conf" "$etc/cupsd.conf"

# cups-pdf reads /etc/cups/cups-pdf.conf, which sends its output, spool and log
# to the user's home, /var/spool/cups-pdf and /var/log/cups. The PPD's option
# defaults override that file, but the PPD reader drops everything from the
# first '/' of a default, so these are relative names: they resolve against the
# backend's working folder, which is cupsd's, which is $tmp (cupsd is started
# there). cups-pdf cannot create a folder given by a relative name, hence the
# mkdir above.
awk '
    /^\*CloseGroup: General/ {
        n = split("Out:pdf-out Spool:pdf-spool Log:pdf-log AnonDirName:pdf-anon GSTmp:pdf-tmp", opts, " ")
        for (i = 1; i <= n; i++) {
            split(opts[i], kv, ":")
            printf "*OpenUI *%s/%s: PickOne\n*Default%s: %s\n*%s %s/%s: \"\"\n*CloseUI: *%s\n\n", \
                kv[1], kv[1], kv[1], kv[2], kv[1], kv[2], kv[2], kv[1]
        }
    }
    { print }
' "$system_ppd" >"$tmp/PDF.ppd"
grep -q '^\*DefaultOut: pdf-out' "$tmp/PDF.ppd" || die "could not adapt $system_ppd"

# What the lp* tools here and the command under test see. An X client finds
# its cookie through HOME unless XAUTHORITY names it, so name it first.
if [ -z "${XAUTHORITY:-}" ] && [ -n "${HOME:-}" ] && [ -f "$HOME/.Xauthority" ]; then
    export XAUTHORITY=$HOME/.Xauthority
fi
export CUPS_SERVER=$socket
export CUPS_SERVERROOT=$tmp/client
export HOME=$tmp/home
unset LPDEST PRINTER

(cd "$tmp" && exec cupsd -f -c "$etc/cupsd.conf" -s "$etc/cups-files.conf") \
    </dev/null >"$tmp/log/cupsd.out" 2>&1 &
cupsd_pid=$!
echo "$cupsd_pid" >"$tmp/cupsd.pid"

fail_start() {
    say "$*"
    if [ -s "$tmp/log/cupsd.out" ]; then
        say "cupsd said:"
        sed 's/^/    /' "$tmp/log/cupsd.out" >&2
    fi
    if [ -f "$tmp/log/error_log" ]; then
        say "end of $tmp/log/error_log:"
        tail -n 25 "$tmp/log/error_log" | sed 's/^/    /' >&2
    fi
    [ "${NUMORRA_CUPS_KEEP:-0}" = 1 ] || say "(NUMORRA_CUPS_KEEP=1 keeps that folder for a closer look)"
    exit 1
}

# Polls "$@" (with its output in $out) every 0.1 s until it succeeds or the
# start timeout has passed since the server was started.
deadline=$((SECONDS + start_timeout))
wait_for() {
    local what=$1
    shift
    while :; do
        kill -0 "$cupsd_pid" 2>/dev/null || fail_start "cupsd exited while waiting for $what"
        if out=$("$@" 2>&1); then
            return 0
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail_start "timed out after ${start_timeout}s waiting for $what (last: $out)"
        sleep 0.1
    done
}

scheduler_runs() { LC_ALL=C lpstat -r | grep -qx 'scheduler is running'; }
wait_for "the scheduler" scheduler_runs

lpadmin -p PDF -v cups-pdf:/ -P "$tmp/PDF.ppd" -E 2>"$tmp/log/lpadmin.err" ||
    fail_start "lpadmin could not add the PDF queue: $(cat "$tmp/log/lpadmin.err")"
case "$mode" in
    default)
        lpadmin -d PDF || fail_start "lpadmin -d PDF failed"
        ;;
    rejecting)
        lpadmin -d PDF || fail_start "lpadmin -d PDF failed"
        cupsreject -r "rejecting jobs on purpose" PDF || fail_start "cupsreject PDF failed"
        ;;
esac

queue_ready() {
    local default accepting
    default=$(LC_ALL=C lpstat -d) || return 1
    accepting=$(LC_ALL=C lpstat -a PDF) || return 1
    case "$mode" in
        no-default) [ "$default" = "no system default destination" ] || return 1 ;;
        *) [ "$default" = "system default destination: PDF" ] || return 1 ;;
    esac
    case "$mode" in
        rejecting) case "$accepting" in "PDF not accepting"*) ;; *) return 1 ;; esac ;;
        *) case "$accepting" in "PDF accepting"*) ;; *) return 1 ;; esac ;;
    esac
    echo "$default; $accepting"
}
wait_for "the PDF queue ($mode)" queue_ready

export NUMORRA_CUPS_SPOOL=$spool
export NUMORRA_CUPS_PDF_OUT=$tmp/pdf-out

# In the background so that a signal reaches our traps at once; the explicit
# redirection keeps the command's standard input.
"$@" <&0 &
child_pid=$!
set +e
wait "$child_pid"
status=$?
set -e
child_pid=""
exit "$status"
