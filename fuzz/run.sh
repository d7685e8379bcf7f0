#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build: first over its seed corpus,
# then fuzzing for SECONDS seconds. A target named X_fuzz uses fuzz/corpus/X/.
# The corpus is copied to a scratch directory so the repository is never
# written; a crash leaves its scratch directory (with the crashing input) behind.
# Usage: fuzz/run.sh FUZZ_BUILD_DIR SECONDS
set -euo pipefail

if [[ $# -ne 2 || ! -d "$1" || ! "$2" =~ ^[0-9]+$ ]]; then
  echo "usage: $0 FUZZ_BUILD_DIR SECONDS" >&2
  exit 2
fi
build_dir=$1
seconds=$2
corpus_root=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/corpus

mapfile -t targets < <(find "$build_dir" -type f -name '*_fuzz' -perm -u+x | sort)
if [[ ${#targets[@]} -eq 0 ]]; then
  echo "no *_fuzz binaries under $build_dir" >&2
  exit 2
fi

status=0
for target in "${targets[@]}"; do
  name=$(basename "$target" _fuzz)
  scratch=$(mktemp -d "${TMPDIR:-/tmp}/zan-fuzz-$name.XXXXXX")
  mkdir -p "$scratch/corpus"
  if [[ -d "$corpus_root/$name" ]]; then
    cp -R "$corpus_root/$name/." "$scratch/corpus/"
  else
    echo "warning: no seed corpus $corpus_root/$name" >&2
  fi
  options=(-rss_limit_mb=2048 -timeout=10 -artifact_prefix="$scratch/")
  echo "== $name: seeds"
  if ! "$target" "${options[@]}" -runs=0 "$scratch/corpus" > "$scratch/seeds.log" 2>&1; then
    tail -n 40 "$scratch/seeds.log"
    echo "== $name: FAILED on a seed; see $scratch" >&2
    status=1
    continue
  fi
  echo "== $name: fuzzing for $seconds s"
  if "$target" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 "$scratch/corpus" \
       > "$scratch/fuzz.log" 2>&1; then
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^Done ' "$scratch/fuzz.log" || true
    rm -rf "$scratch"
  else
    tail -n 60 "$scratch/fuzz.log"
    echo "== $name: CRASH; input and log in $scratch" >&2
    status=1
  fi
done
exit $status
