#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file strays from .clang-format; `clang-format -i FILE`
# mends it.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' | sort |
  xargs clang-format --dry-run --Werror
echo "clang-format: every C++ file is formatted"
