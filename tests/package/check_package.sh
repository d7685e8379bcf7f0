#!/usr/bin/env bash
# The Debian package as a school installs it: built from this build folder,
# unpacked into a scratch root, its files as listed in FILES, its menu entry,
# metainfo and the package itself valid; the installed runner run by a new
# user finds the programs in that user's own folder and writes nothing into
# the installation.
# Usage: check_package.sh BUILD FILES   (exit 77: a packaging tool is missing)
set -euo pipefail
build=$(cd "$1" && pwd)
expected=$2
for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
scratch=$(mktemp -d "$build/package-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/zan400lt_*.deb)

# The files, and the dependencies: the libraries found from the executables
# and the packages named by hand.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | grep -v '/$' | sort >"$scratch/files"
diff -u "$expected" "$scratch/files" || fail "the package's files differ from $expected"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libc6 'libstdc\+\+6' libpng16-16 qt6-translations-l10n qt6-qpa-plugins; do
  grep -Eq "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$scratch/appstream.log" ||
  { cat "$scratch/appstream.log"; fail "appstreamcli validate"; }
lintian --fail-on error "$deb" || fail "lintian found errors"

# A new student runs a sample program by its bare name: the per-user folder
# is made with the samples, and the run finds the program there.
touch "$scratch/before"
sleep 1
home=$scratch/home
mkdir "$home"
env -u XDG_DATA_HOME HOME="$home" "$root/usr/bin/zan400lt-run" 01.zan >/dev/null 2>"$scratch/run.log" ||
  { cat "$scratch/run.log"; fail "the installed zan400lt-run on 01.zan"; }
mine=$home/.local/share/zan400lt
for n in 01 02 03 04 05 06 07; do
  [ -f "$mine/$n.zan" ] || fail "no $n.zan in the new user's program folder"
done
env -u XDG_DATA_HOME HOME="$home" "$root/usr/bin/zan400lt-run" --help | grep -qF "$mine" ||
  fail "--help does not name $mine"
# A second student with XDG_DATA_HOME set gets their own folder.
env XDG_DATA_HOME="$scratch/other" HOME="$home" "$root/usr/bin/zan400lt-gif" --help >/dev/null
env XDG_DATA_HOME="$scratch/other" HOME="$home" "$root/usr/bin/zan400lt-gif" "$root/usr/share/zan400lt/1.gif" >/dev/null
[ -f "$scratch/other/zan400lt/07.zan" ] || fail "no program folder made under XDG_DATA_HOME"
written=$(find "$root" -newer "$scratch/before")
[ -z "$written" ] || fail "written into the installation: $written"
echo "package $(basename "$deb") checked"
