#!/usr/bin/env bash
# Redraws the lathe view's pictures, the turret animation frames and the
# operator panel's background and key faces into resources/. Run on purpose
# after changing the generator; the results are committed. Needs Qt 6 (Gui),
# ImageMagick's `convert` and the fonts tools/install-deps.sh installs.
#   tools/artwork/regenerate.sh [BUILD_DIR]
# BUILD_DIR defaults to build/artwork.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$top/build/artwork}
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT

cmake -S "$top/tools/artwork" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
"$build/zan400lt-artwork" "$top/resources" "$frames"

# The machine reads GIF89a with one colour table of at most 255 colours:
# entry 255 of its palette is always black.
mkdir -p "$top/resources/turret"
for name in 1 12 2 23 3 34 4 41; do
  convert "$frames/$name.png" +dither -colors 255 -comment "ZAN 400LT turret" \
          "GIF:$top/resources/turret/$name.gif"
  header=$(head -c 6 "$top/resources/turret/$name.gif")
  if [[ "$header" != "GIF89a" ]]; then
    echo "$name.gif: expected a GIF89a file, got $header" >&2
    exit 1
  fi
done

# Check the frames with the simulator's own reader when it has been built
# (ZAN_GIF_TOOL names it, else the first one found under build*/).
tool=${ZAN_GIF_TOOL:-$(ls "$top"/build*/bin/zan400lt-gif 2>/dev/null | head -n 1 || true)}
if [[ -n "$tool" && -x "$tool" ]]; then
  for name in 1 12 2 23 3 34 4 41; do
    "$tool" "$top/resources/turret/$name.gif" || { echo "$name.gif refused" >&2; exit 1; }
  done
fi
echo "pictures written to $top/resources"
