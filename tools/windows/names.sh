# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Windows scripts: what they call things, each read from the
# one place it is written. The version comes from project(), the MinGW
# triple from the toolchain file.
# shellcheck shell=bash disable=SC2034
repo=${repo:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
version=$(sed -n 's/^project(clubdraw VERSION \([0-9.]*\) .*/\1/p' "$repo/CMakeLists.txt")
triple=$(sed -n 's/^set(CLUBDRAW_MINGW_TRIPLE \(.*\))$/\1/p' "$repo/cmake/mingw-w64-x86_64.cmake")
# The two downloads, and the digests beside them.
name=clubdraw-$version-win64
zip_name=$name.zip
setup_name=$name-setup.exe
sums_name=SHA256SUMS
