#!/usr/bin/env bash
# Draws the LCD's bitmap font anew from the system's fonts into
# resources/lcd_font/lcd_font.bin. Run on purpose (after changing the
# generator, or for new versions of the fonts) and look at the LCD's golden
# pictures before committing: tests/gui/update-lcd-golden.sh and
# tests/panel/update-expected.sh renew them. Needs Qt 6 (Gui) and the
# Debian packages fonts-dejavu-core, xfonts-wqy and fonts-wqy-zenhei.
#   tools/lcd-font/regenerate.sh [BUILD_DIR]      (default: build/lcd-font)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build/lcd-font}
cmake -S "$top/tools/lcd-font" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
QT_QPA_PLATFORM=offscreen "$build/zan400lt-lcd-font" "$top/resources/lcd_font/lcd_font.bin"
ls -l "$top/resources/lcd_font/lcd_font.bin"
