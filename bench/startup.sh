#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and peak memory of Clubdraw beside a bare Qt main window of
# the same size, on one Xvfb display in one run:
# bash bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
runs=${2:-15}
# The benchmark is off in a default build; turn it on in this one.
cmake -S . -B "$build" -DCLUBDRAW_BENCH=ON >/dev/null
cmake --build "$build" --target clubdraw clubdraw_bare_window clubdraw_startup_bench >/dev/null
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" bash -c "
  '$build/bench/clubdraw_startup_bench' 1 '$build/bench/clubdraw_bare_window' >/dev/null  # warm the caches
  '$build/bench/clubdraw_startup_bench' $runs '$build/bench/clubdraw_bare_window'
  '$build/bench/clubdraw_startup_bench' $runs '$build/src/clubdraw'
  '$build/bench/clubdraw_startup_bench' $runs '$build/bench/clubdraw_bare_window'
  '$build/bench/clubdraw_startup_bench' $runs '$build/src/clubdraw'
"
