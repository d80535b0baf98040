#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Qt that the Windows build links, from Debian's own qt6-base
# source, for x86_64-w64-mingw32, and keeps it in a cache folder named after
# the Qt version and the options, so a later run reuses it.
#
#   bash tools/windows/build-qt.sh            build when missing, print the prefix
#   bash tools/windows/build-qt.sh --prefix   only print where it is (or would be)
# The prefix is all it writes to stdout; the build's output goes to stderr.
set -euo pipefail
exec 3>&1 1>&2
repo=$(cd "$(dirname "$0")/../.." && pwd)
toolchain=$repo/cmake/mingw-w64-x86_64.cmake

# The same Qt as the host tools that moc, rcc and uic come from.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [ -z "$qt_version" ]; then
  echo "build-qt.sh: qt6-base-dev is not installed (run tools/windows/bootstrap.sh)" >&2
  exit 1
fi

# Only what the program uses; the rest of qtbase is switched off to keep the
# build short. Debian's source has no wintab.h, hence no tablet events.
options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  -DQT_BUILD_MANUAL_TESTS=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_opengl=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_testlib=ON
  -DFEATURE_jpeg=OFF
  -DFEATURE_gif=OFF
  -DFEATURE_direct2d=OFF
  -DFEATURE_accessibility=ON
  -DFEATURE_windows=ON
  -DFEATURE_style_windowsvista=ON
)
key=$( (printf '%s\n' "$qt_version" "${options[@]}"; cat "$toolchain") | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/clubdraw
upstream=${qt_version%%+*}
prefix=$cache/qt-$upstream-mingw64-$key

if [ "${1:-}" = "--prefix" ]; then
  echo "$prefix" >&3
  exit 0
fi
if [ -f "$prefix/.complete" ]; then
  echo "Windows Qt $qt_version already built in $prefix"
  echo "$prefix" >&3
  exit 0
fi

work=$cache/qt-build-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
start=$(date +%s)
# The deb-src entry apt-get source needs is tools/bootstrap.sh's to add.
(
  cd "$work"
  apt-get source --only-source -qq "qt6-base=$qt_version"
) || { echo "build-qt.sh: no qt6-base source; run tools/windows/bootstrap.sh" >&2; exit 1; }
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
# Fails loudly when the source no longer has the lines the patch changes.
for fix in "$repo"/tools/windows/patches/*.patch; do
  patch --forward --batch -p1 -d "$src" <"$fix"
done

cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  "${options[@]}"
cmake --build "$work/build" --parallel 2
cmake --install "$work/build"
touch "$prefix/.complete"
rm -rf "$work"
echo "Windows Qt built in $(( ($(date +%s) - start) / 60 )) min; $(du -sh "$prefix" | cut -f1) in $prefix"
echo "$prefix" >&3
