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

# Other scripts name what they need on top of this (tools/windows/bootstrap.sh);
# --deb-src first also lets apt-get source fetch Debian's sources.
deb_src=no
if [ "${1:-}" = "--deb-src" ]; then
  deb_src=yes
  shift
fi
packages+=("$@")

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

# A deb-src entry made from the machine's own Debian entries (those of its
# release), so no host is named here.
if [ "$deb_src" = yes ] &&
  ! grep -rqsE '^[[:space:]]*(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME}")
  tmp=$(mktemp)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    # deb822 stanzas of this release, with their type turned into deb-src.
    awk -v codename="$codename" '
      BEGIN { RS = ""; ORS = "\n\n" }
      /(^|\n)Types:[^\n]*deb/ && $0 ~ ("(^|\n)Suites:[^\n]*" codename) {
        sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print
      }' "$f" >>"$tmp"
  done
  if [ -s "$tmp" ]; then
    $sudo install -m 644 "$tmp" /etc/apt/sources.list.d/clubdraw-deb-src.sources
  fi
  if [ -f /etc/apt/sources.list ]; then
    grep -E "^[[:space:]]*deb[[:space:]].*[[:space:]]$codename" /etc/apt/sources.list |
      sed -E 's/^[[:space:]]*deb[[:space:]]/deb-src /' >"$tmp" || true
    if [ -s "$tmp" ]; then
      $sudo install -m 644 "$tmp" /etc/apt/sources.list.d/clubdraw-deb-src.list
    fi
  fi
  rm -f "$tmp"
  $sudo apt-get update -qq
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
