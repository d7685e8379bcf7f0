#!/usr/bin/env bash
# Draws the lathe view's golden frames (tests/data/view/*.png, one for each
# sample program) anew with the current build, on purpose: after a change of
# the view's drawing or of a sample program. Read the pictures' diff before
# committing them.
#   tests/core/update-view-golden.sh [BUILD_DIR]      (default: build)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
cmake --build "$build" -j2 --target core_tests
cd "$build"
ZAN_UPDATE_GOLDEN=1 "$build/bin/core_tests" --gtest_filter='ViewGolden.SampleProgramsEndAsTheirPictures'
git -C "$top" status --short tests/data/view
