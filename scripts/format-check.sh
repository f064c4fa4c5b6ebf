#!/bin/sh
# Checks (or with --fix, applies) the project's clang-format style on every C++ file.
set -eu
cd "$(dirname "$0")/.."
files=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h' 2>/dev/null || find src tests bench -name '*.cpp' -o -name '*.h')
[ -z "$files" ] && exit 0
if [ "${1:-}" = "--fix" ]; then
    # shellcheck disable=SC2086
    clang-format -i $files
else
    # shellcheck disable=SC2086
    clang-format --dry-run -Werror $files
fi
