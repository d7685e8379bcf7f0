#!/usr/bin/env bash
# Rewrites the golden traces of the sample programs from the current runner.
# Run on purpose only, after a change that is meant to alter the paths, and
# read the diff before committing it.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
runner=${1:-$top/build/test/bin/zan400lt-run}
for program in "$top"/resources/programs/*.zan; do
  name=$(basename "$program" .zan)
  "$runner" --trace "$program" > "$top/tests/programs/golden/$name.trace"
done
