#!/usr/bin/env bash
# Wall time and peak memory of zan400lt-grade on a class of 30: the sample
# programs copied round-robin, graded against 01.zan.
# Usage: bench/grade_figures.sh [path/to/zan400lt-grade]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
grader=${1:-$top/build/bench/bin/zan400lt-grade}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/class"
samples=("$top"/resources/programs/*.zan)
for i in $(seq 0 29); do cp "${samples[i % ${#samples[@]}]}" "$work/class/student$i.zan"; done
for run in 1 2 3; do
  /usr/bin/time -f "run $run: %e s wall, %U s user, %M KB peak" \
    "$grader" --reference "$top/resources/programs/01.zan" --out "$work/grades" "$work/class" > /dev/null
done
