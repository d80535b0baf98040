#!/usr/bin/env bash
# Renders the README's screenshots on a real X server (Xvfb), as users see
# the windows: bash tools/screenshots.sh [BUILD_DIR] [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
out=${2:-docs}
cmake --build "$build" --target clubdraw_screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
  "$build/tools/clubdraw_screenshots" data/kortliste_eng.txt "$out"
