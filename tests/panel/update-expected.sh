#!/usr/bin/env bash
# Rewrites the expected output of every key script case, and the picture of
# its LCD at the end (lcd.png), from the current runner. Run on purpose only,
# after a change that is meant to alter what the controller shows, and read
# the diff (and look at the pictures) before committing it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
runner=$(realpath "${1:-$top/build/test/bin/zan400lt-run}")
# The library the no-hard-links cases preload, built beside the runner.
preload=$(find "$(dirname "$runner")/.." -name 'libno_hard_links.so' -print -quit)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for keys in "$here"/*/keys; do
  dir=$(dirname "$keys")
  cmake -DRUNNER="$runner" -DFIXTURE="$here/programs" -DTURRET="$top/resources/turret" -DNO_HARD_LINKS="$preload" \
        -DCASE="$dir" -DWORK="$work/$(basename "$dir")" -DUPDATE=ON -P "$here/check_key_script.cmake"
done
