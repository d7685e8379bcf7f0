#!/usr/bin/env bash
# Draws the LCD's golden pictures (tests/data/lcd/*.png) anew with the
# current build, on purpose: after a change of the screens or of their
# drawing. Read the pictures' diff before committing them.
#   tests/gui/update-lcd-golden.sh [BUILD_DIR]      (default: build)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
cmake --build "$build" -j2 --target gui_tests
cd "$build"
ZAN_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen "$build/bin/gui_tests" \
    --gtest_filter='LcdGolden.*:LcdRenderer.SampleScreenMatchesItsGoldenPicture'
git -C "$top" status --short tests/data/lcd
