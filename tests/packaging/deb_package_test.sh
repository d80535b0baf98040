#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a built tree, unpacks it and checks it as
# installed: layout, metadata, lintian, the catalogue search, and the
# program started.
# Usage: deb_package_test.sh CPACK BUILD_DIR SOURCE_DIR
set -u
cpack=$1
build_dir=$2
source_dir=$3

for tool in dpkg-deb dpkg-shlibdeps file; do
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
program=$root/usr/bin/clubdraw
catalogue=$root/usr/share/clubdraw/kortliste_eng.txt
app_id=io.github.clubdraw.clubdraw
desktop=$root/usr/share/applications/$app_id.desktop
icon=$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
manpage=$root/usr/share/man/man1/clubdraw.1.gz
doc=$root/usr/share/doc/clubdraw

[ -x "$program" ] && [ ! -L "$program" ] || fail "no program at usr/bin/clubdraw"
cmp -s "$catalogue" "$source_dir/data/kortliste_eng.txt" ||
  fail "usr/share/clubdraw/kortliste_eng.txt differs from data/kortliste_eng.txt"
for f in "$desktop" "$icon" "$metainfo" "$manpage" "$doc/copyright" "$doc/changelog.gz"; do
  [ -f "$f" ] || fail "missing ${f#"$root"/}"
done
# Everything that shows the version shows the package's.
[[ $(zcat "$manpage" | grep '^\.TH') == *"Clubdraw $version"* ]] || fail "the man page is not of $version"
[[ $(zcat "$doc/changelog.gz" | head -1) == "clubdraw ($version) "* ]] ||
  fail "the changelog does not start with $version"
[[ $("$program" --version) == "clubdraw $version" ]] || fail "clubdraw --version is not $version"

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
  out=$(zcat "$manpage" | groff -man -Tutf8 -ww -z 2>&1)
  if [ $? -ne 0 ] || [ -n "$out" ]; then fail "groff warns about the man page: $out"; fi
else
  echo "note: the man page was not formatted"
fi

if command -v lintian >/dev/null; then
  out=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v '^running with root privileges')
  if grep -q '^[EW]:' <<<"$out"; then fail "lintian: $out"; fi
else
  echo "note: lintian not run (tools/bootstrap.sh installs it)"
fi

# The catalogue search, on the unpacked tree with scratch data folders:
# the system copy, then a user copy over it, then one beside the program
# over both.
export XDG_DATA_HOME=$scratch/home XDG_DATA_DIRS=$root/usr/share
in_use() { "$program" catalogue 2>&1; }
[ "$(in_use)" = "$catalogue" ] || fail "catalogue in use is $(in_use), not the system copy"
copy=$("$program" catalogue --copy 2>&1)
[ "$copy" = "$XDG_DATA_HOME/clubdraw/kortliste_eng.txt" ] && cmp -s "$copy" "$catalogue" ||
  fail "catalogue --copy gave: $copy"
[ "$(in_use)" = "$copy" ] || fail "the user's copy does not win over the system's: $(in_use)"
cp "$catalogue" "$root/usr/bin/kortliste_eng.txt"
[ "$(in_use)" = "$root/usr/bin/kortliste_eng.txt" ] ||
  fail "the file beside the program does not win: $(in_use)"
rm "$root/usr/bin/kortliste_eng.txt" "$copy"

# Started from elsewhere, it must find its catalogue and stay up; a missing
# one reports error 53 and waits on its message box.
cd "$scratch"
QT_QPA_PLATFORM=offscreen timeout 3 "$program" >/dev/null 2>"$scratch/stderr"
rc=$?
[ "$rc" -eq 124 ] || fail "the installed clubdraw exited early with status $rc"
if grep -q "run-time error" "$scratch/stderr"; then
  fail "the installed clubdraw reported: $(grep "run-time error" "$scratch/stderr")"
fi
"$program" check >"$scratch/check" 2>&1 || fail "the installed clubdraw check failed: $(cat "$scratch/check")"

[ $status -eq 0 ] && echo "ok: $(basename "$deb") is lintian-clean, unpacks and runs"
exit $status
