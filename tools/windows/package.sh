#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Clubdraw for Windows and both downloads, into build/windows/:
#   clubdraw-VERSION-win64.zip        portable: unzip and run
#   clubdraw-VERSION-win64-setup.exe  the installer (NSIS)
#   SHA256SUMS                        their digests, also printed
# Builds the Windows Qt first when it is not in the cache yet (~25 minutes).
# Both are made from the tree `cmake --install` lays out. Two runs on one
# commit give the same zip: file times are the last commit's
# (SOURCE_DATE_EPOCH), and files go in in one order.
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$PWD
source tools/windows/names.sh
start=$(date +%s)
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
# rcc stamps the embedded translations with this time instead of the build's.
export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH

bash tools/windows/bootstrap.sh
CLUBDRAW_WINDOWS_QT=$(bash tools/windows/build-qt.sh)
export CLUBDRAW_WINDOWS_QT

cmake --preset windows
cmake --build --preset windows

build=$PWD/build/windows

# The installed tree, every binary stripped of its symbols.
stage=$build/stage
rm -rf "$stage"
cmake --install "$build" --prefix "$stage"
find "$stage" -type f \( -name '*.exe' -o -name '*.com' -o -name '*.dll' \) \
  -exec "$triple-strip" --strip-unneeded {} +

# Portable: the catalogue beside the program, where it is found first.
portable=$build/$name
rm -rf "$portable" "${build:?}/$zip_name" "${build:?}/$sums_name"
cp -a "$stage" "$portable"
mv "$portable/share/clubdraw/kortliste_eng.txt" "$portable/"
rm -r "$portable/share"
sed "s/@VERSION@/$version/" packaging/windows/README.txt | sed 's/$/\r/' > "$portable/README.txt"
# The same bytes from every build of a commit: one time, one mode, one
# order, no owners (-X), times in UTC.
for tree in "$stage" "$portable"; do
  chmod -R u=rwX,go=rX "$tree"
  find "$tree" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
done
(cd "$build" && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -9 -X -@ "$zip_name")

# Installer: the tree as installed, every file listed for the uninstaller.
nsis=$build/nsis
rm -rf "$nsis"
mkdir -p "$nsis"
(
  cd "$stage"
  find . -type d | sort | while read -r dir; do
    d=${dir#.}; d=${d#/}
    echo "SetOutPath \"\$INSTDIR${d:+\\${d//\//\\}}\""
    find "$dir" -maxdepth 1 -type f | sort | while read -r file; do
      echo "File \"$stage/${file#./}\""
    done
  done > "$nsis/install.nsh"
  find . -type f | sort | while read -r file; do
    f=${file#./}
    echo "Delete \"\$INSTDIR\\${f//\//\\}\""
  done > "$nsis/uninstall.nsh"
  find . -mindepth 1 -type d | sort -r | while read -r dir; do
    d=${dir#./}
    echo "RMDir \"\$INSTDIR\\${d//\//\\}\""
  done >> "$nsis/uninstall.nsh"
)
size_kb=$(du -sk "$stage" | cut -f1)
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$nsis" -DSIZE_KB="$size_kb" \
  -DICON="$build/windows/clubdraw.ico" -DOUTFILE="$build/$setup_name" \
  packaging/windows/clubdraw.nsi

(cd "$build" && sha256sum "$zip_name" "$setup_name" >"$sums_name")
ls -l "$build/$zip_name" "$build/$setup_name"
echo "$sums_name:"
cat "$build/$sums_name"
echo "package.sh took $(( $(date +%s) - start )) s"
