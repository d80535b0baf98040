#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, on Debian 12, what the Windows build, its packages and its checks
# under Wine need on top of tools/bootstrap.sh, and only what is missing.
set -euo pipefail

packages=(
  # The cross compiler (posix threads, as Qt needs), Qt's source and its build.
  g++-mingw-w64-x86-64-posix dpkg-dev ninja-build patch
  # The core tests, built from Debian's GoogleTest source.
  googletest
  # The downloads.
  zip nsis
  # The program icon, made from the same SVG as the Linux one.
  librsvg2-bin
  # Running and looking at the Windows program.
  wine wine64 fonts-wine xvfb xauth xdotool imagemagick
)
bash "$(dirname "$0")/../bootstrap.sh" --deb-src "${packages[@]}"
