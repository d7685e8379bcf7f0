#!/usr/bin/env bash
# Installs what is missing, builds the simulator and starts it.
# Arguments are passed to the simulator (e.g. a part program to load).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/install-deps.sh"
cmake -S "$top" -B "$top/build/release" -DCMAKE_BUILD_TYPE=Release -DZAN_TESTS=OFF >/dev/null
cmake --build "$top/build/release" -j"$(nproc)" --target zan400lt
exec "$top/build/release/bin/zan400lt" "$@"
