#!/usr/bin/env bash
# Writes src/core/view/view_glyph_data.cpp anew from the installed font.
#   tools/view_font/regenerate.sh BUILD   (BUILD: a build folder with the Qt layer)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:?usage: regenerate.sh BUILD}
cmake --build "$build" --target make_view_glyphs
QT_QPA_PLATFORM=offscreen "$build/bin/make_view_glyphs" "$root/resources/view_font/texts.txt" \
    "$root/src/core/view/view_glyph_data.cpp"
git -C "$root" diff --stat -- src/core/view/view_glyph_data.cpp
