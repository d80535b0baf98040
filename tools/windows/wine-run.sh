#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program of the Windows build under Wine, finding the DLLs of the
# Windows Qt and the MinGW runtime: the build's CMAKE_CROSSCOMPILING_EMULATOR,
# so ctest runs the core tests (tools/windows/test.sh).
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/tools/windows/names.sh"
qt=$(bash "$repo/tools/windows/build-qt.sh" --prefix)
path=$(winepath -w "$qt/bin")
for dll in libstdc++-6.dll libwinpthread-1.dll; do
  path+=";$(winepath -w "$(dirname "$("$triple-g++-posix" -print-file-name=$dll)")")"
done
export WINEPATH=$path WINEDEBUG=${WINEDEBUG:--all}
exec wine "$@"
