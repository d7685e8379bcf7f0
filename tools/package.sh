#!/usr/bin/env bash
# Builds the Debian package of the trainer into build/package/:
#   tools/package.sh            -> build/package/zan400lt_VERSION_ARCH.deb
# and checks it with lintian. Install it with apt-get install ./zan400lt_*.deb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
build="$top/build/package"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZAN_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/zan400lt_*.deb)
lintian --fail-on error "$deb"
echo "$deb"
