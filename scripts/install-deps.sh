#!/bin/sh
# Installs the Debian packages given as arguments that are not installed yet.
# A second run with nothing missing does no network access at all.
#
# An argument "a|b" names a package that Debian releases call differently
# (libweston-14-dev in Debian 13, libweston-10-dev in Debian 12): any of the
# names installed will do, and otherwise the first one apt knows is installed.
set -eu

installed() {
    [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)" = "install ok installed" ]
}

missing=""
for names in "$@"; do
    found=""
    for pkg in $(echo "$names" | tr '|' ' '); do
        installed "$pkg" && found=1
    done
    [ -n "$found" ] || missing="$missing $names"
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "Missing packages:$missing" >&2
    echo "Run 'make' as root or install sudo to let it install them." >&2
    exit 1
fi

$SUDO apt-get update -qq
chosen=""
for names in $missing; do
    pkg=""
    for name in $(echo "$names" | tr '|' ' '); do
        if [ -z "$pkg" ] && apt-cache policy "$name" | grep -q 'Candidate: [^(]'; then
            pkg=$name
        fi
    done
    if [ -z "$pkg" ]; then
        echo "No package of this release is named $names" >&2
        exit 1
    fi
    chosen="$chosen $pkg"
done
echo "Installing missing packages:$chosen"
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $chosen >/dev/null
