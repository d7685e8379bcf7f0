#!/usr/bin/env bash
# Builds the trainer for the browser into build/web/, a static site (the
# page, its scripts, the core as WebAssembly, the pictures, the sample
# programs), and serves it on 127.0.0.1. Any web server can serve the folder
# as it is: copy build/web/ to it.
#   tools/web.sh [--build-only] [--port N]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build_only=false
port=8400
while [ $# -gt 0 ]; do
  case "$1" in
    --build-only) build_only=true ;;
    --port) port=$2; shift ;;
    *) echo "usage: tools/web.sh [--build-only] [--port N]" >&2; exit 2 ;;
  esac
  shift
done
"$top/tools/install-deps.sh"

# Debian's emscripten runs its optimizer with the machine's node, which must
# find Debian's JavaScript modules.
export NODE_PATH=/usr/share/nodejs
obj="$top/build/web-wasm"
emcmake cmake -S "$top" -B "$obj" -DCMAKE_BUILD_TYPE=Release -DZAN_GUI=OFF -DZAN_TESTS=OFF >/dev/null
cmake --build "$obj" -j"$(nproc)"

site="$top/build/web"
rm -rf "$site"
mkdir -p "$site"/{panel,data,samples,licenses}
cp -r "$top"/src/web/site/* "$site"/
cp "$obj"/bin/zan400lt.js "$obj"/bin/zan400lt.wasm "$site"/
cp "$top"/resources/panel/*.png "$site"/panel/
cp "$top"/resources/turret/*.gif "$top"/resources/anouncement.txt "$site"/data/
cp "$top"/resources/programs/*.zan "$site"/samples/
cp "$top"/resources/desktop/icons/zan400lt-256.png "$site"/icon.png
cp "$top"/resources/desktop/icons/zan400lt.svg "$site"/icon.svg
cp "$top"/COPYING "$site"/licenses/COPYING.txt
# The fonts the LCD and the view draw with, and their licences.
for f in "$top"/resources/lcd_font/copyright.*; do cp "$f" "$site/licenses/lcd-font-$(basename "$f").txt"; done
cp "$top"/resources/view_font/COPYING "$site"/licenses/view-font-copyright.txt

# The site's list of files and its version, for the page and the service worker.
python3 - "$site" <<'PY'
import hashlib, json, os, sys
site = sys.argv[1]
files = sorted(os.path.relpath(os.path.join(d, f), site) for d, _, fs in os.walk(site) for f in fs)
digest = hashlib.sha256()
for name in files:
    digest.update(name.encode())
    with open(os.path.join(site, name), 'rb') as f:
        digest.update(f.read())
listing = {
    'version': digest.hexdigest()[:16],
    'data': sorted(os.listdir(os.path.join(site, 'data'))),
    'samples': sorted(os.listdir(os.path.join(site, 'samples'))),
    'files': ['./'] + [n for n in files if n != 'sw.js'],
}
with open(os.path.join(site, 'site.json'), 'w') as f:
    json.dump(listing, f, indent=1)
PY
echo "site: $site ($(du -sh "$site" | cut -f1))"
$build_only && exit 0
echo "ZAN 400LT in the browser: http://127.0.0.1:$port/"
cd "$site" && exec python3 -m http.server --bind 127.0.0.1 "$port"
