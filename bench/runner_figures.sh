#!/usr/bin/env bash
# Wall time and peak memory of the headless runner on every sample program.
# Usage: bench/runner_figures.sh [path/to/zan400lt-run]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runner=${1:-$top/build/bench/bin/zan400lt-run}
for program in "$top"/resources/programs/*.zan; do
  /usr/bin/time -f "$(basename "$program"): %e s wall, %M KB peak" "$runner" --trace "$program" > /dev/null
done
