#!/usr/bin/env bash
# The README's first command on a fresh clone: tools/run.sh configures a new
# build folder and builds the window program's target alone. Done here in a
# scratch folder with the options tools/run.sh passes, and with stand_in.sh
# in place of the compiler, the archiver and the linker: what is checked is what building
# the target puts beside the program, not the compiling (seconds, not minutes).
# The sample programs must lie there, and the LCD of a panel started on that
# folder must list 01 to 07.
#
#   fresh_window_build.sh SOURCE_DIR SCRATCH_DIR ZAN400LT_RUN
set -u
source=$1 scratch=$2 runner=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$scratch"
mkdir -p "$scratch"
fail() { echo "fresh build: FAILED: $*"; exit 1; }

options=$(sed -n 's/^cmake -S .* -B [^ ]* \(.*\) >.*/\1/p' "$source/tools/run.sh")
target=$(sed -n 's/^cmake --build .*--target \([^ ]*\).*/\1/p' "$source/tools/run.sh")
[ -n "$options" ] && [ -n "$target" ] || fail "tools/run.sh no longer reads as expected: cmake options '$options', target '$target'"
# shellcheck disable=SC2086 # the options are words
cmake -S "$source" -B "$scratch/build" $options -DCMAKE_CXX_COMPILER_LAUNCHER="$here/stand_in.sh" \
      -DCMAKE_CXX_LINKER_LAUNCHER="$here/stand_in.sh" -DCMAKE_AR="$here/stand_in.sh" -DCMAKE_RANLIB=/bin/true >"$scratch/configure.log" 2>&1 ||
    fail "configure: $(tail -5 "$scratch/configure.log")"
cmake --build "$scratch/build" -j2 --target "$target" >"$scratch/build.log" 2>&1 ||
    fail "build: $(tail -5 "$scratch/build.log")"

bin=$scratch/build/bin
for n in 01 02 03 04 05 06 07; do
    [ -f "$bin/$n.zan" ] || fail "$n.zan is not beside the program: $(ls "$bin" | tr '\n' ' ')"
done
printf 'screen\n' >"$scratch/keys"
screen=$("$runner" --programs "$bin" --keys "$scratch/keys") || fail "the panel did not start on $bin"
for n in 01 02 03 04 05 06 07; do
    grep -q "\"%$n\"" <<<"$screen" || fail "the LCD does not list %$n: $screen"
done
grep -q '程序数：7' <<<"$screen" || fail "the LCD does not count 7 programs: $screen"
echo "fresh build: the samples lie beside the program and the LCD lists 01 to 07"
