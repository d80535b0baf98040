#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every test, in order: what is missing installed, the format check, a minute
# of fuzzing, the suite with warnings as errors, clang-tidy, the sanitizer
# suite, then the Windows downloads built and checked under Wine. Each step
# is named as it starts and timed when it ends; a failure names its step.
set -uo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

step() { # name, command...
  local name=$1 begun
  shift
  begun=$(date +%s)
  echo "==> $name"
  if ! "$@"; then
    echo "==> FAILED: $name, after $(($(date +%s) - begun)) s" >&2
    exit 1
  fi
  echo "==> done: $name, in $(($(date +%s) - begun)) s"
}

step "install what is missing" bash tools/bootstrap.sh
step "format check" bash tools/check_format.sh
step "fuzzing, 60 s" bash fuzz/run.sh 60
step "suite, warnings as errors" cmake --workflow --preset ci
step "clang-tidy" bash tools/tidy.sh build/default
step "sanitizer suite" cmake --workflow --preset ci-sanitize
step "Windows downloads" bash tools/windows/package.sh
step "Windows checks under Wine" bash tools/windows/test.sh
echo "==> all steps passed in $(($(date +%s) - started)) s"
