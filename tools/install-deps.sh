#!/usr/bin/env bash
# Installs the Debian packages the simulator, its tests and its tools need.
# Quick when everything is there already: apt is only called for what is missing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config                  # build
  qt6-base-dev                               # the desktop program
  libpng-dev                                 # the class report's pictures
  libstb-dev                                 # the lathe view's pictures (stb_image, stb_image_resize)
  qt6-translations-l10n                      # Qt's own dialogs in Chinese
  dpkg-dev file fakeroot lintian             # the Debian package (tools/package.sh)
  desktop-file-utils appstream               # checks of the menu entry and the metainfo
  libgtest-dev libgmock-dev libbenchmark-dev # tests and benchmarks
  clang libclang-rt-14-dev                   # fuzz targets
  xvfb xauth xdotool imagemagick             # end-to-end tests on a virtual screen
  openbox x11-utils                          # ... framed by a window manager, windows measured with xwininfo
  chromium                                   # the class report and the web page in a browser
  emscripten nodejs                          # the trainer for the browser (tools/web.sh); npm comes with nodejs
  fonts-wqy-zenhei xfonts-wqy                # Chinese texts (the LCD: WenQuanYi Bitmap Song, 12 px)
  fonts-dejavu-core                          # the LCD's Latin letters (DejaVu Sans Mono)
  fonts-dejavu-extra                         # key legends, when tools/artwork redraws them
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
