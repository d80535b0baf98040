#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, testing and running Clubdraw needs on Debian 12,
# and only what is missing.
set -euo pipefail

packages=(
  cmake make g++
  qt6-base-dev libgl-dev
  # Translations: lrelease and lupdate, and Qt's own translated texts.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev
  fonts-liberation fonts-ebgaramond
  # CPack's DEB dependency scan, and the packaging test's validators
  # (groff-base formats the man page).
  dpkg-dev file desktop-file-utils appstream groff-base lintian
  # The fuzzer (fuzz/run.sh): clang with libFuzzer and the sanitizer runtimes.
  clang libclang-rt-14-dev
  # The habits CI checks (tools/check_format.sh, tools/tidy.sh) and the
  # coverage figure (tools/coverage.sh).
  clang-format clang-tidy gcovr
  # The screenshots (tools/screenshots.sh) on a virtual X server, and
  # ImageMagick's compare to check them against the previous ones; xdotool
  # types into the window for the test that ends it with SIGTERM.
  xvfb xauth imagemagick xdotool
)

# Other scripts name what they need on top of this (tools/windows/bootstrap.sh).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
