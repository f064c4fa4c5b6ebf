#!/bin/sh
# Installs the build into a scratch folder (DESTDIR; nothing outside it is
# touched) and checks the layout a Linux desktop expects: the programs, the
# desktop entry, the icon at every size, the AppStream metainfo, the manual
# pages, the copyright and changelog, the bash completion, the catalogs of
# the program's texts and the type of reading files. The desktop entry and the metainfo must pass
# desktop-file-validate and appstreamcli without a single error or warning,
# and a desktop that sees only the installed tree must take a .qnr file for a
# reading and open it with Numorra.
#
# Usage: install_test.sh <cmake> <build dir> <version> <program>...
# Empty program names are skipped, so optional programs can be passed as
# generator expressions that expand to nothing.
set -eu

if [ $# -lt 4 ]; then
    echo "usage: $0 <cmake> <build dir> <version> <program>..." >&2
    exit 2
fi
cmake=$1
build_dir=$2
version=$3
shift 3

app_id=org.example.numorra.Numorra
icon_sizes="16 22 24 32 48 64 128 256"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in desktop-file-validate update-desktop-database appstreamcli od gzip xmllint \
    update-mime-database xdg-mime mimetype; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool is not installed (packages desktop-file-utils, appstream, coreutils," \
            "gzip, libxml2-utils, shared-mime-info, xdg-utils, libfile-mimeinfo-perl)" >&2
        exit 1
    fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
# The validators keep any cache of theirs in the scratch folder too.
export XDG_CACHE_HOME="$scratch/cache" HOME="$scratch/home"
mkdir -p "$XDG_CACHE_HOME" "$HOME"

if ! DESTDIR=$root "$cmake" --install "$build_dir" --prefix /usr >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log" >&2
    echo "FAIL: cmake --install $build_dir did not succeed" >&2
    exit 1
fi

usr=$root/usr
expect_file() {
    if [ -f "$1" ]; then
        echo "ok   ${1#"$root"}"
    else
        fail "not installed: ${1#"$root"}"
    fi
}

# Everything goes under the prefix: nothing into /etc, /opt or the like.
stray=$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$stray" ] || fail "installed outside the prefix: $stray"

# The programs.
programs=""
for program in "$@"; do
    [ -n "$program" ] || continue
    programs="$programs $program"
    expect_file "$usr/bin/$program"
    [ ! -f "$usr/bin/$program" ] || [ -x "$usr/bin/$program" ] ||
        fail "/usr/bin/$program is not executable"
done

# The desktop entry starts an installed program and names the installed icon.
desktop=$usr/share/applications/$app_id.desktop
expect_file "$desktop"
if [ -f "$desktop" ]; then
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    if [ -z "$exec_program" ] || [ ! -x "$usr/bin/$exec_program" ]; then
        fail "the desktop entry starts '$exec_program', which is not installed in /usr/bin"
    fi
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ "$icon" = "$app_id" ] || fail "the desktop entry names the icon '$icon', not '$app_id'"
fi

# A manual page for each program, the copyright, the changelog and the
# completion, compressed where Debian has them compressed.
expect_gzip() {
    expect_file "$1"
    [ ! -f "$1" ] || gzip -t "$1" || fail "${1#"$root"} is not a whole gzip file"
}
for program in $programs; do
    expect_gzip "$usr/share/man/man1/$program.1.gz"
done
expect_file "$usr/share/doc/numorra/copyright"
expect_gzip "$usr/share/doc/numorra/changelog.Debian.gz"
case " $programs " in
    *" numorra-report "*) expect_file "$usr/share/bash-completion/completions/numorra-report" ;;
esac

# The catalogs of the program's texts, where the installed programs find
# them: the installed numorra-report speaks Traditional Chinese.
for catalog in zh_CN zh_TW; do
    expect_file "$usr/share/numorra/translations/numorra_$catalog.qm"
done
case " $programs " in
    *" numorra-report "*)
        usage=$(env -i PATH=/usr/bin:/bin LANG=zh_TW.UTF-8 "$usr/bin/numorra-report" --help 2>&1 |
            head -n 1)
        case "$usage" in
            "用法：numorra-report "*) echo "ok   numorra-report --help in zh_TW" ;;
            *) fail "the installed numorra-report --help begins '$usage' in zh_TW" ;;
        esac
        ;;
esac

# png_dimensions <byte>...: "<width>x<height>" from the eight bytes at offset 16
# of a PNG file, two big-endian 32-bit numbers.
png_dimensions() {
    echo "$(($1 * 16777216 + $2 * 65536 + $3 * 256 + $4))x$(($5 * 16777216 + $6 * 65536 + $7 * 256 + $8))"
}

# The icon: the SVG, and a PNG of each fixed size that really is that size.
expect_file "$usr/share/icons/hicolor/scalable/apps/$app_id.svg"
for size in $icon_sizes; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    expect_file "$png"
    [ -f "$png" ] || continue
    signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "${png#"$root"} is not a PNG image"
    # The bytes are split into the function's arguments on purpose.
    # shellcheck disable=SC2046
    dimensions=$(png_dimensions $(od -An -tu1 -j16 -N8 "$png"))
    [ "$dimensions" = "${size}x${size}" ] ||
        fail "${png#"$root"} is $dimensions, not ${size}x${size}"
done

# The metainfo names every program and has this version as its newest release.
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
expect_file "$metainfo"
if [ -f "$metainfo" ]; then
    for program in $programs; do
        grep -q "<binary>$program</binary>" "$metainfo" ||
            fail "the metainfo does not list the program $program"
    done
    newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
    [ "$newest" = "$version" ] ||
        fail "the newest release in the metainfo is '$newest', the build is $version"
fi

# validate <description> <command>...: runs a validator, shows what it says,
# and fails on its exit status or on any error or warning in its output.
validate() {
    what=$1
    shift
    status=0
    output=$("$@" 2>&1) || status=$?
    [ -z "$output" ] || printf '%s\n' "$output"
    if [ "$status" -ne 0 ]; then
        fail "$what: $1 ended with status $status"
    elif printf '%s\n' "$output" | grep -Eqi '(^|: )(error|warning)[: ]|^[[:space:]]*[EW]: '; then
        fail "$what: $1 reported errors or warnings"
    else
        echo "ok   $what"
    fi
}
[ ! -f "$desktop" ] || validate "desktop entry" desktop-file-validate "$desktop"
[ ! -f "$metainfo" ] || validate "metainfo" appstreamcli validate --no-net --no-color "$metainfo"
# The same with the installed tree around it: the desktop entry the metainfo
# launches, and the icons.
[ ! -f "$metainfo" ] || validate "installed tree" appstreamcli validate-tree --no-net --no-color "$root"

# Reading files, as a desktop with only the installed tree sees them: the
# type's databases are built into the tree, then xdg-mime names the type of a
# .qnr file and the desktop entry that opens it.
mime_xml=$usr/share/mime/packages/$app_id.xml
expect_file "$mime_xml"
if [ -f "$mime_xml" ] && [ -f "$desktop" ]; then
    desktop_env() {
        env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION \
            XDG_DATA_DIRS="$usr/share" XDG_DATA_HOME="$scratch/data" \
            XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/config" "$@"
    }
    validate "reading file type" xmllint --noout "$mime_xml"
    validate "MIME database" desktop_env update-mime-database "$usr/share/mime"
    validate "desktop database" update-desktop-database "$usr/share/applications"
    printf 'reading\r\n' >"$scratch/some.qnr"
    for query in "filetype $scratch/some.qnr|application/x-numorra-reading" \
        "default application/x-numorra-reading|$app_id.desktop"; do
        # The query's words are split into arguments on purpose.
        # shellcheck disable=SC2086
        answer=$(desktop_env xdg-mime query ${query%|*} 2>&1) || true
        if [ "$answer" = "${query#*|}" ]; then
            echo "ok   xdg-mime query ${query%|*}: $answer"
        else
            fail "xdg-mime query ${query%|*} gives '$answer', not '${query#*|}'"
        fi
    done
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "The install layout is complete and validates cleanly."
