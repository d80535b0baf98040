#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Clubdraw for Windows and both downloads, into build/windows/:
#   clubdraw-VERSION-win64.zip        portable: unzip and run
#   clubdraw-VERSION-win64-setup.exe  the installer (NSIS)
# Builds the Windows Qt first when it is not in the cache yet (~25 minutes).
set -euo pipefail
cd "$(dirname "$0")/../.."
start=$(date +%s)

bash tools/windows/bootstrap.sh
CLUBDRAW_WINDOWS_QT=$(bash tools/windows/build-qt.sh)
export CLUBDRAW_WINDOWS_QT

cmake --preset windows
cmake --build --preset windows

build=$PWD/build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=clubdraw-$version-win64

# The installed tree, every binary stripped of its symbols.
stage=$build/stage
rm -rf "$stage"
cmake --install "$build" --prefix "$stage"
find "$stage" -type f \( -name '*.exe' -o -name '*.com' -o -name '*.dll' \) \
  -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# Portable: the catalogue beside the program, where it is found first.
portable=$build/$name
rm -rf "$portable" "$build/$name.zip"
cp -a "$stage" "$portable"
mv "$portable/share/clubdraw/kortliste_eng.txt" "$portable/"
rm -r "$portable/share"
sed "s/@VERSION@/$version/" packaging/windows/README.txt | sed 's/$/\r/' > "$portable/README.txt"
(cd "$build" && zip -q -9 -r -X "$name.zip" "$name")

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
  -DICON="$build/windows/clubdraw.ico" -DOUTFILE="$build/$name-setup.exe" \
  packaging/windows/clubdraw.nsi

ls -l "$build/$name.zip" "$build/$name-setup.exe"
echo "package.sh took $(( $(date +%s) - start )) s"
