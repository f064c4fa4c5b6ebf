#!/bin/sh
# clang-format check, then clang-tidy over the program's sources with the build's compile commands.
set -eu
build_dir=$1
cd "$(dirname "$0")/.."
scripts/format-check.sh
files=$(git ls-files -co --exclude-standard -- 'src/*.cpp')
# shellcheck disable=SC2086
clang-tidy -p "$build_dir" --quiet $files
