#!/bin/sh
# Debian's own checks on the package: builds it with CPack into a scratch
# folder, runs hardening-check on the programs it holds, checks that it holds
# the catalogs and recommends Qt's, then runs lintian on it.
# Fails on any error or warning of lintian, and on any note of it about
# hardening or unneeded sections in the programs.
#
# Usage: package_checks.sh <cpack> <build dir>   (configured with the
# compile commands exported, as the presets do)
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 <cpack> <build dir>" >&2
    exit 2
fi
cpack=$1
build_dir=$2

for tool in hardening-check lintian dpkg-deb; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool is not installed (packages devscripts, lintian, dpkg)" >&2
        exit 1
    fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

if ! "$cpack" --config "$build_dir/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
deb=$(find "$scratch" -maxdepth 1 -name '*.deb')
echo "built $(basename "$deb")"

failures=0
dpkg-deb -x "$deb" "$scratch/root"
# What hardening-check cannot find in the programs is checked in the compile
# commands instead: that every file is compiled with the flags for it.
# - Fortified calls: the only libc calls that have a checked variant are
#   memcpy and memmove into Qt's and the standard library's storage, whose
#   size the compiler cannot see, so none is ever made the checked way, and
#   hardening-check would say "only unprotected functions found" of any build.
# - Control-flow protection (x86's CET, -fcf-protection), where the release's
#   hardening flags have it (Debian 13's; not Debian 12's): a program is
#   marked as protected only when every object in it is, and glibc's start
#   files (Scrt1.o, crti.o, crtn.o) are not, so no program of Debian 13 on
#   amd64 is marked, /usr/bin/ls no more than this one.
# - Branch protection (AArch64's BTI and PAC, -mbranch-protection), which
#   Debian 13's hardening-check looks for on every architecture, where the
#   release's flags have it (Debian 13's on arm64).
flags=" $(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) "
required="-D_FORTIFY_SOURCE=[1-9]"
case $flags in *" -fcf-protection "*) required="$required -fcf-protection([^=]|=full)" ;; esac
case $flags in *" -mbranch-protection="*) required="$required -mbranch-protection=[a-z]" ;; esac
unasked="--nofortify --nocfprotection"
if hardening-check --help | grep -q -- --nobranchprotection; then
    unasked="$unasked --nobranchprotection"
fi
# shellcheck disable=SC2086
if hardening-check $unasked "$scratch"/root/usr/bin/*; then
    echo "ok   hardening-check"
else
    failures=$((failures + 1))
fi
commands=$build_dir/compile_commands.json
compiled=$(grep -c '"command":' "$commands" || true)
for flag in $required; do
    with=$(grep -cE -- "\"command\":.* $flag" "$commands" || true)
    if [ "$compiled" -gt 0 ] && [ "$with" = "$compiled" ]; then
        echo "ok   all $compiled files are compiled with ${flag%%[[(]*}"
    else
        echo "FAIL: $with of the $compiled files in $commands are compiled with ${flag%%[[(]*}" >&2
        failures=$((failures + 1))
    fi
done

# The catalogs of the program's texts go with it, and Qt's own catalogs
# (its buttons and dialogs) are recommended.
for catalog in zh_CN zh_TW; do
    if [ -f "$scratch/root/usr/share/numorra/translations/numorra_$catalog.qm" ]; then
        echo "ok   the package holds the $catalog catalog"
    else
        echo "FAIL: the package holds no $catalog catalog" >&2
        failures=$((failures + 1))
    fi
done
if dpkg-deb -f "$deb" Depends Recommends | grep -q 'qt6-translations-l10n'; then
    echo "ok   the package depends on or recommends qt6-translations-l10n"
else
    echo "FAIL: the package neither depends on nor recommends qt6-translations-l10n" >&2
    failures=$((failures + 1))
fi

# lintian's exit status counts errors only; its output is judged here.
if ! lintian --display-info --fail-on none "$deb" >"$scratch/lintian.log" 2>"$scratch/lintian.err"; then
    cat "$scratch/lintian.err" >&2
    echo "FAIL: lintian did not run" >&2
    exit 1
fi
cat "$scratch/lintian.log"
if grep -Eq '^[EW]: |hardening-|binary-has-unneeded-section' "$scratch/lintian.log"; then
    failures=$((failures + 1))
else
    echo "ok   lintian"
fi

if [ "$failures" -ne 0 ]; then
    echo "FAIL: $failures check(s) failed" >&2
    exit 1
fi
echo "The package passes hardening-check and lintian."
