#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the test suite, the web page in headless Chromium (screenshot and figures
# in build/web-test), the core's tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the fuzz targets over their corpus plus a
# short fuzzing run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
fuzz_seconds=${ZAN_FUZZ_SECONDS:-20}
"$top/tools/install-deps.sh"
# Each part says when it started, in seconds from the start.
phase() { echo "== $1 (at ${SECONDS} s)"; }

phase "build and test"
cmake -S "$top" -B "$top/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build/test" -j"$jobs"
(cd "$top/build/test" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

phase "the web page in headless Chromium"
"$top/tools/web.sh" --build-only
(cd "$top/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
no_hard_links=$(find "$top/build/test" -name 'libno_hard_links.so' | head -1)
node "$top/tests/web/run.mjs" "$top/build/web" "$top/build/test/bin/zan400lt-run" "$no_hard_links" "$top/build/web-test"

phase "core tests under sanitizers"
cmake -S "$top" -B "$top/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DZAN_GUI=OFF -DZAN_SANITIZE=ON >/dev/null
cmake --build "$top/build/sanitize" -j"$jobs" --target core_tests
ASAN_OPTIONS=detect_leaks=1 "$top/build/sanitize/bin/core_tests" --gtest_brief=1

phase "fuzzing"
CC=clang CXX=clang++ cmake -S "$top" -B "$top/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZAN_GUI=OFF -DZAN_TESTS=OFF -DZAN_FUZZ=ON >/dev/null
cmake --build "$top/build/fuzz" -j"$jobs"
"$top/fuzz/run.sh" "$top/build/fuzz" "$fuzz_seconds"
phase "all tests passed"
