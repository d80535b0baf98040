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

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

# apt-get source needs a deb-src entry. Where there is none, add one made
# from the machine's own Debian entries (those of its release), so no host
# is named here.
if ! grep -rqsE '^[[:space:]]*(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME}")
  src_list=/etc/apt/sources.list.d/clubdraw-deb-src.sources
  tmp=$(mktemp)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    # deb822 stanzas of this release, with their type turned into deb-src.
    awk -v codename="$codename" '
      BEGIN { RS = ""; ORS = "\n\n" }
      /(^|\n)Types:[^\n]*deb/ && $0 ~ ("(^|\n)Suites:[^\n]*" codename) {
        sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print
      }' "$f" >> "$tmp"
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E "^[[:space:]]*deb[[:space:]].*[[:space:]]$codename" /etc/apt/sources.list \
      | sed -E 's/^[[:space:]]*deb[[:space:]]/deb-src /' > "$tmp.list" || true
    if [ -s "$tmp.list" ]; then
      $sudo install -m 644 "$tmp.list" /etc/apt/sources.list.d/clubdraw-deb-src.list
    fi
    rm -f "$tmp.list"
  fi
  if [ -s "$tmp" ]; then
    $sudo install -m 644 "$tmp" "$src_list"
  fi
  rm -f "$tmp"
  $sudo apt-get update -qq
fi

work=$cache/qt-build-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
start=$(date +%s)
(
  cd "$work"
  apt-get source --only-source -qq "qt6-base=$qt_version"
)
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
# Qt 6.4's Windows platform plugin is out of step with Gui's features when
# some are off: it uses dynamic OpenGL with OpenGL off, and Gui's DirectWrite
# font database, which Gui builds only with Direct2D.
plugin=$src/src/plugins/platforms/windows
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
  "$plugin/qwindowswindow.cpp"
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
  "$plugin/qwindowsintegration.cpp"

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
