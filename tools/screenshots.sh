#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the README's screenshots on a real X server (Xvfb), as users see
# the windows: both draw windows at scale 1 and at the desktop scales 1.5
# and 2, in English, the window for several managers in English, and every
# window and the error box in Norwegian at scale 1 (*_nb.png):
# bash tools/screenshots.sh [BUILD_DIR] [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
out=${2:-docs}
mkdir -p "$out"
# The renderer is off in a default build; turn it on in this one.
cmake -S . -B "$build" -DCLUBDRAW_SCREENSHOTS=ON >/dev/null
cmake --build "$build" --target clubdraw_screenshots
# Renders every picture into a scratch folder, then keeps the named ones in
# $out as NAME$suffix.png: shoot SUFFIX NAME...
shoot() {
  local suffix=$1 tmp f
  shift
  tmp=$(mktemp -d)
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1400x24 -dpi 96" \
    "$build/tools/clubdraw_screenshots" data/kortliste_eng.txt "$tmp" >"$tmp/log" 2>&1 ||
    { cat "$tmp/log" >&2; rm -rf "$tmp"; return 1; }
  for f in "$@"; do mv "$tmp/$f.png" "$out/$f$suffix.png"; done
  rm -rf "$tmp"
}
LANGUAGE=C LC_ALL=C shoot "" main_window division_window several_managers
LANGUAGE=nb LC_ALL=C.UTF-8 shoot _nb main_window division_window several_managers about_window \
  thanks_window error_box
for scale in 1.5 2; do
  LANGUAGE=C LC_ALL=C QT_SCALE_FACTOR=$scale shoot "@${scale}x" main_window division_window
done
ls "$out"/*.png
