#!/bin/bash
# Checks the Debian package the way a user meets it: builds the package,
# checks it with hardening-check and lintian, installs it with apt-get, starts
# the installed Numorra on a virtual display (Xvfb) and waits for its main window, runs numorra-report --help if the
# package has it, then purges the package and checks that every file it
# installed is gone.
#
# This installs and removes a package on this machine: run it as root (or with
# sudo) on a machine where that is fine, never from the tests.
#
# Usage: scripts/check-package.sh [build dir]     (default: build)
set -eu

build_dir=${1:-build}
package=numorra

step() { echo "==> $*"; }
die() {
    echo "check-package: $*" >&2
    exit 1
}

if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    die "$build_dir is not a configured build folder; run 'make build' first"
fi
for tool in apt-get dpkg dpkg-deb cpack hardening-check lintian Xvfb xdotool xdpyinfo; do
    command -v "$tool" >/dev/null 2>&1 || die "$tool is not installed; run 'make deps' first"
done
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    die "installing a package needs root: run as root or install sudo"
fi

step "Building the package in $build_dir"
cmake --build "$build_dir" --target package
# CPack names the file itself; the newest one is the one just built.
deb=""
for candidate in "$build_dir"/"$package"_*.deb; do
    [ -e "$candidate" ] || continue
    if [ -z "$deb" ] || [ "$candidate" -nt "$deb" ]; then
        deb=$candidate
    fi
done
[ -n "$deb" ] || die "no ${package}_*.deb in $build_dir after building the package"
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
version=$(dpkg-deb -f "$deb" Version)
# The window title carries the program's version, without the package revision.
title="Numorra v${version%-*}"
echo "$deb"
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends Suggests

step "Checking the package with hardening-check and lintian"
# The same checks as the test PackageChecks, on a package built alike.
"$(dirname "$0")/../tests/system/package_checks.sh" cpack "$build_dir" ||
    die "hardening-check or lintian finds something to fix in the package"

scratch=$(mktemp -d)
installed=no
cleanup() {
    if [ "$installed" = yes ]; then
        echo "check-package: removing the package after the failure" >&2
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove --purge -y -qq "$package" >/dev/null 2>&1 || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

step "Installing $(basename "$deb") with apt-get"
# Without the recommended packages: what the package depends on must be
# enough for the program to start, and the machine gains nothing more.
installed=yes
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "$deb"
status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
[ "$status" = "install ok installed" ] || die "$package is not installed after apt-get install ($status)"
# What the package put on the system, directories aside: all of it must go again.
dpkg-query -L "$package" | while IFS= read -r path; do
    if [ -L "$path" ] || { [ -e "$path" ] && [ ! -d "$path" ]; }; then
        echo "$path"
    fi
done >"$scratch/files"
echo "The package installed $(wc -l <"$scratch/files") files."
[ -x /usr/bin/numorra ] || die "/usr/bin/numorra is missing after installing the package"

step "Starting /usr/bin/numorra on a virtual display"
# A fresh user session with nothing of the build's environment: no instance
# lock or settings left behind, no library paths, the system's programs only.
session=$scratch/session
mkdir -m 700 "$session"
export session title
# shellcheck disable=SC2016  # expanded by the shell on the virtual display
"$(dirname "$0")/with-xvfb.sh" sh -c '
    env -i PATH=/usr/bin:/bin HOME="$session" LANG=C.UTF-8 DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR="$session" XDG_CONFIG_HOME="$session" \
        /usr/bin/numorra >"$session/numorra.log" 2>&1 &
    program=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "$title" 2>/dev/null)
    shown=$?
    kill "$program" 2>/dev/null
    wait "$program" 2>/dev/null
    [ "$shown" -eq 0 ] || { cat "$session/numorra.log" >&2; exit 1; }
    echo "Its main window \"$title\" is on the screen (window $(echo "$window" | head -n 1))."
' || die "the installed numorra did not show a window titled \"$title\""

if [ -e /usr/bin/numorra-report ]; then
    step "Running /usr/bin/numorra-report --help"
    if ! env -i PATH=/usr/bin:/bin HOME="$session" LANG=C.UTF-8 \
        /usr/bin/numorra-report --help >"$scratch/report.log" 2>&1; then
        cat "$scratch/report.log" >&2
        die "the installed numorra-report --help failed"
    fi
    [ -s "$scratch/report.log" ] || die "the installed numorra-report --help printed nothing"
    head -n 5 "$scratch/report.log"
else
    echo "(the package has no numorra-report)"
fi

step "Removing the package with apt-get remove --purge"
DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove --purge -y "$package"
installed=no
status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
case "$status" in
    "" | "unknown ok not-installed" | "deinstall ok not-installed") ;;
    *) die "$package is still known to dpkg after the purge ($status)" ;;
esac
left=""
while IFS= read -r path; do
    if [ -e "$path" ] || [ -L "$path" ]; then
        left="$left
  $path"
    fi
done <"$scratch/files"
[ -z "$left" ] || die "files of the package are left after the purge:$left"
echo "All $(wc -l <"$scratch/files") files of the package are gone."

echo "The package installs, starts, and removes cleanly."
