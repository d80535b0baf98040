#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the README's screenshots on a real X server (Xvfb), as users see
# the windows, at scale 1 and at the desktop scales 1.5 and 2, in English,
# and in Norwegian at scale 1:
# bash tools/screenshots.sh [BUILD_DIR] [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
out=${2:-docs}
mkdir -p "$out"
cmake --build "$build" --target clubdraw_screenshots
shoot() {
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x1400x24 -dpi 96" \
    "$build/tools/clubdraw_screenshots" data/kortliste_eng.txt "$1"
}
LANGUAGE=C LC_ALL=C shoot "$out"
tmp=$(mktemp -d)
LANGUAGE=nb LC_ALL=C.UTF-8 shoot "$tmp"
for f in main_window division_window; do mv "$tmp/$f.png" "$out/${f}_nb.png"; done
rmdir "$tmp"
for scale in 1.5 2; do
  tmp=$(mktemp -d)
  LANGUAGE=C LC_ALL=C QT_SCALE_FACTOR=$scale shoot "$tmp"
  for f in main_window division_window; do mv "$tmp/$f.png" "$out/${f}@${scale}x.png"; done
  rmdir "$tmp"
done
