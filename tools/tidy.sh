#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (checks in .clang-tidy) on every source file of src/,
# with the compile commands of a configured and built tree:
# bash tools/tidy.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
if [ ! -f "$build/compile_commands.json" ]; then
  echo "no $build/compile_commands.json: configure with a preset first" >&2
  exit 2
fi
# Only our own files under src/, not moc's in the build tree.
run-clang-tidy -quiet -j 2 -p "$build" "^$(pwd)/src/" >"$build/clang-tidy.log" 2>&1 || {
  sed 's/\x1b\[[0-9;]*m//g' "$build/clang-tidy.log" | grep -E 'warning:|error:' ||
    tail -n 40 "$build/clang-tidy.log"
  echo "clang-tidy found problems (log: $build/clang-tidy.log)" >&2
  exit 1
}
echo "clang-tidy: no findings in src/"
