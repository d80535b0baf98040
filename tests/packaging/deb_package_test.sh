#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a built tree, unpacks it and checks it as
# installed: layout, metadata, and the program started through bin/clubdraw.
# Usage: deb_package_test.sh CPACK BUILD_DIR SOURCE_DIR
set -u
cpack=$1
build_dir=$2
source_dir=$3

for tool in dpkg-deb dpkg-shlibdeps dpkg-architecture file; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (tools/bootstrap.sh installs the packaging tools)"
    exit 77
  fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

if ! "$cpack" -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
debs=("$scratch"/out/clubdraw_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  ls -R "$scratch/out"
  echo "FAIL: expected exactly one clubdraw_*.deb"
  exit 1
fi
deb=${debs[0]}

# Qt must come from the binary's own dependencies, the fonts by hand.
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 fonts-liberation fonts-ebgaramond; do
  [[ ", $depends," == *", $dep"[\ ,]* ]] || fail "Depends lacks $dep: $depends"
done
version=$(dpkg-deb -f "$deb" Version)

root=$scratch/root
dpkg -x "$deb" "$root"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
program_dir=$root/usr/lib/$multiarch/clubdraw
app_id=io.github.clubdraw.clubdraw
desktop=$root/usr/share/applications/$app_id.desktop
icon=$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
manpage=$root/usr/share/man/man1/clubdraw.1

[ -x "$program_dir/clubdraw" ] || fail "no program at usr/lib/$multiarch/clubdraw/clubdraw"
cmp -s "$program_dir/kortliste_eng.txt" "$source_dir/data/kortliste_eng.txt" ||
  fail "the catalogue beside the program differs from data/kortliste_eng.txt"
link=$root/usr/bin/clubdraw
if [ ! -L "$link" ]; then
  fail "usr/bin/clubdraw is not a symbolic link"
elif [[ $(readlink "$link") == /* ]]; then
  fail "usr/bin/clubdraw points to an absolute path: $(readlink "$link")"
elif [ "$(realpath "$link")" != "$(realpath "$program_dir/clubdraw")" ]; then
  fail "usr/bin/clubdraw points to $(readlink "$link"), not the program"
fi
for f in "$desktop" "$icon" "$metainfo" "$manpage"; do
  [ -f "$f" ] || fail "missing ${f#"$root"/}"
done

# The menu entry must start and show what the package installs.
if [ -f "$desktop" ]; then
  exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -n "$exec_cmd" ] && [ -L "$root/usr/bin/$exec_cmd" -o -e "$root/usr/bin/$exec_cmd" ] ||
    fail "Exec=$exec_cmd is not in usr/bin"
  grep -qx "Icon=$app_id" "$desktop" || fail "the desktop file's Icon is not $app_id"
fi
if [ -f "$metainfo" ]; then
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
  grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the metainfo has no release $version"
fi

if command -v desktop-file-validate >/dev/null && [ -f "$desktop" ]; then
  out=$(desktop-file-validate "$desktop" 2>&1)
  if [ $? -ne 0 ] || [ -n "$out" ]; then fail "desktop-file-validate: $out"; fi
else
  echo "note: desktop-file-validate not run"
fi
if command -v appstreamcli >/dev/null && [ -f "$metainfo" ]; then
  # --strict fails on warnings and infos; pedantic hints are only printed.
  out=$(appstreamcli validate --no-net --strict --pedantic "$metainfo" 2>&1)
  if [ $? -ne 0 ] || grep -q '^[EWIP]:' <<<"$out"; then fail "appstreamcli validate: $out"; fi
else
  echo "note: appstreamcli not run"
fi

if command -v groff >/dev/null && [ -f "$manpage" ]; then
  out=$(groff -man -Tutf8 -ww -z "$manpage" 2>&1)
  if [ $? -ne 0 ] || [ -n "$out" ]; then fail "groff warns about the man page: $out"; fi
else
  echo "note: the man page was not formatted"
fi

# Started through the link from elsewhere, it must find its catalogue and
# stay up; a missing one reports error 53 and waits on its message box.
cd "$scratch"
QT_QPA_PLATFORM=offscreen timeout 3 "$link" >/dev/null 2>"$scratch/stderr"
rc=$?
[ "$rc" -eq 124 ] || fail "the installed clubdraw exited early with status $rc"
if grep -q "run-time error" "$scratch/stderr"; then
  fail "the installed clubdraw reported: $(grep "run-time error" "$scratch/stderr")"
fi

# The commands find the catalogue beside the program through the link too.
"$link" check >"$scratch/check" 2>&1 || fail "the installed clubdraw check failed: $(cat "$scratch/check")"

[ $status -eq 0 ] && echo "ok: $(basename "$deb") unpacks and runs from its link"
exit $status
