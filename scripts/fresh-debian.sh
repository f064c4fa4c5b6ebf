#!/bin/bash
# Runs `make run` and `make test` as a newcomer would, on a fresh Debian
# machine: a root made with debootstrap from Debian's packages (minbase, plus
# make, git and ca-certificates only), holding a clean clone of this
# repository's current commit (what is not committed is not there). The root
# lives in a folder of its own under TMPDIR (default /var/tmp, as it takes
# some 8 GB) and is unmounted and removed afterwards, whatever happens.
#
# Usage: scripts/fresh-debian.sh [suite [target...]], as root or through sudo
#   suite: trixie (Debian 13, the default) or bookworm (Debian 12)
#   targets: the make targets run there, one after the other (default: run
#   test; package-check also installs, starts and purges the package there)
# DEBIAN_MIRROR names another mirror; KEEP_ROOT=1 leaves the root in place.
set -eu

suite=${1:-trixie}
[ $# -gt 0 ] && shift
targets=${*:-run test}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse HEAD)

if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null && exec sudo "$0" "$@"
    echo "fresh-debian: making and entering a root needs root: run it as root or install sudo" >&2
    exit 1
fi

root=$(mktemp -d "${TMPDIR:-/var/tmp}/numorra-$suite.XXXXXXXX")
chmod 755 "$root"

# Every process still running in the root, then every mount in it, deepest
# first: only then is it removed, never crossing into a file system mounted there.
cleanup() {
    local status=$? process mount
    for process in /proc/[0-9]*; do
        [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && kill -KILL "${process#/proc/}" 2>/dev/null
    done
    sleep 1
    for mount in $(awk -v root="$root" 'index($5, root "/") == 1 { print $5 }' /proc/self/mountinfo |
        sort -r); do
        umount "$mount" 2>/dev/null || umount -l "$mount"
    done
    if [ -n "${KEEP_ROOT:-}" ]; then
        echo "fresh-debian: the root is kept in $root"
    elif awk -v root="$root" 'index($5, root "/") == 1 { found = 1 } END { exit !found }' \
        /proc/self/mountinfo; then
        echo "fresh-debian: $root still has file systems mounted; not removed" >&2
        status=1
    else
        rm -rf --one-file-system "$root"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Prints how long a step took, in minutes and seconds.
timed() {
    local title=$1 start=$SECONDS
    shift
    echo "==> $title"
    "$@"
    echo "==> $title: $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
}

echo "==> debootstrap $suite"
if ! debootstrap --variant=minbase --include=make,git,ca-certificates "$suite" "$root" \
    "$mirror" >"$root/debootstrap.log" 2>&1; then
    cat "$root/debootstrap.log" >&2
    exit 1
fi
rm "$root/debootstrap.log"
# Packages installed in a root start no services there (cupsd, D-Bus...).
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
for fs in proc sys dev dev/pts dev/shm; do
    mount --bind "/$fs" "$root/$fs"
done
git clone -q --no-local "$repo" "$root/root/numorra"
git -C "$root/root/numorra" checkout -q "$commit"
echo "==> $(. "$root/etc/os-release" && echo "$PRETTY_NAME"), commit $(git -C "$repo" log -1 --format='%h %s' "$commit")"

# As root logs in there: no display, no locale, nothing of this shell's environment.
in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb \
        sh -c "cd /root/numorra && $1"
}
for target in $targets; do
    timed "make $target" in_root "make $target"
done
