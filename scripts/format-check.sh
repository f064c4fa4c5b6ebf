#!/bin/sh
# Checks (or with --fix, applies) the project's clang-format style on every C++ file.
set -eu
cd "$(dirname "$0")/.."
files=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
[ -z "$files" ] && exit 0
if [ "${1:-}" = "--fix" ]; then
    # shellcheck disable=SC2086
    clang-format -i $files
    exit 0
fi
unformatted=""
for file in $files; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted="$unformatted $file"
done
if [ -n "$unformatted" ]; then
    echo "These files are not formatted (run 'make format'):$unformatted" >&2
    exit 1
fi
