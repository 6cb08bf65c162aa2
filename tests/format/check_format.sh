#!/bin/sh
# Every C++ file of the project is formatted as .clang-format says.
set -eu
cd "$1"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench fuzz -name '*.cpp' -o -name '*.h')
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
