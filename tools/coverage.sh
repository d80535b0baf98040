#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the tests with gcov (preset "coverage", in build/coverage)
# and prints the line coverage of each layer of src/, core first.
set -euo pipefail
cd "$(dirname "$0")/.."
find build/coverage -name '*.gcda' -delete 2>/dev/null || true
cmake --workflow --preset coverage
for layer in core gui app; do
  echo "== src/$layer"
  gcovr --root . --filter "src/$layer/" --exclude '.*_autogen/.*' --print-summary build/coverage |
    tail -n 3
done
