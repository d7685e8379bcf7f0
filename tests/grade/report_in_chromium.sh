#!/usr/bin/env bash
# Opens a class report in headless Chromium, with no network, and checks on
# its screenshot that the table and the pictures render: the header and the
# pass and fail cells in their colours, and every student's picture, pixel for
# pixel, one row below the other in the order of grades.csv. The screenshot
# stays in OUT. Exit status 77 (skipped) when Chromium is missing or cannot
# start here.
#   report_in_chromium.sh PROBE REPORT_DIR OUT
set -u
probe=$1 report=$2 out=$3
command -v chromium >/dev/null || { echo "chromium is not installed"; exit 77; }
mkdir -p "$out"
shot=$out/report.png
rm -f "$shot"
profile=$(mktemp -d)  # the browser's own files, thrown away afterwards
trap 'rm -rf "$profile"' EXIT
timeout 90 chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --hide-scrollbars \
  --force-device-scale-factor=1 --host-resolver-rules="MAP * ~NOTFOUND" --user-data-dir="$profile" \
  --window-size=1600,1400 --screenshot="$shot" "file://$report/report.html" >"$out/chromium.log" 2>&1
[ -s "$shot" ] || { echo "chromium could not start or draw here (see $out/chromium.log)"; exit 77; }
echo "screenshot: $shot"

fail() { echo "FAIL: $*"; exit 1; }
whole="0 0 1599 1399"
"$probe" find "$shot" d4dced $whole >/dev/null || fail "no table header"
"$probe" find "$shot" bfe8bf $whole >/dev/null || fail "no pass cell"
"$probe" find "$shot" f4bcbc $whole >/dev/null || fail "no fail cell"

last=-1
while IFS=, read -r student status _ _ _ picture _; do
  [ "$student" = student ] || [ -z "$picture" ] && continue
  at=$("$probe" contains "$shot" "$report/$picture") || fail "the picture of $student is not on the page"
  y=${at#* }
  [ "$y" -gt "$last" ] || fail "the picture of $student is not below the one before"
  last=$y
done <"$report/grades.csv"
echo "table and pictures rendered"

# A 1280-pixel window needs no sideways scrolling: the table ends before the
# window's right edge and every picture is there whole, pixel for pixel.
narrow=$out/report-1280.png
rm -f "$narrow"
timeout 90 chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --hide-scrollbars \
  --force-device-scale-factor=1 --host-resolver-rules="MAP * ~NOTFOUND" --user-data-dir="$profile" \
  --window-size=1280,1400 --screenshot="$narrow" "file://$report/report.html" >>"$out/chromium.log" 2>&1
[ -s "$narrow" ] || fail "no screenshot at 1280 pixels"
"$probe" find "$narrow" d4dced 0 0 1279 1399 >/dev/null || fail "no table header at 1280 pixels"
! "$probe" find "$narrow" d4dced 1264 0 1279 1399 >/dev/null || fail "the table reaches the right edge of a 1280-pixel window"
while IFS=, read -r student status _ _ _ picture _; do
  [ "$student" = student ] || [ -z "$picture" ] && continue
  "$probe" contains "$narrow" "$report/$picture" >/dev/null || fail "the picture of $student is cut at 1280 pixels"
done <"$report/grades.csv"
echo "the page fits a 1280-pixel window"
