#!/usr/bin/env bash
# Writes src/core/files/gb2312_table.cpp anew from the C library's iconv.
#   tools/gb2312-table/regenerate.sh BUILD   (BUILD: a configured build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:?usage: regenerate.sh BUILD}
cmake --build "$build" --target make_gb2312_table
"$build/bin/make_gb2312_table" "$root/src/core/files/gb2312_table.cpp"
git -C "$root" diff --stat -- src/core/files/gb2312_table.cpp
