#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows build under Wine, in a fresh Wine prefix on Xvfb, as a
# Windows player would use it. Run tools/windows/package.sh first.
#   - the portable copy's command line prints what the Linux build prints,
#     byte for byte, with the same exit status;
#   - the core tests pass;
#   - the window opens, Find random team reveals a club, Quit ends with 0,
#     and a copy without a catalogue shows the error-53 box;
#   - the installer installs silently, the installed program draws and makes
#     the user's catalogue copy, and the uninstaller removes it all.
# Screenshots are left in build/windows/test/.
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$PWD
start=$(date +%s)
build=$repo/build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
name=clubdraw-$version-win64
if [ -z "$version" ] || [ ! -f "$build/$name.zip" ] || [ ! -f "$build/$name-setup.exe" ]; then
  echo "test.sh: no Windows downloads in build/windows; run tools/windows/package.sh first" >&2
  exit 1
fi

out=$build/test
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=:$display
wineboot -i >/dev/null 2>&1
wineserver -w
# Debian's Wine leaves its own fonts (Tahoma, the dialogs' font; Marlett, the
# title bars' symbols) out of a new prefix; Windows always has them.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

failures=0
pass() { echo "ok    $*"; }
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }
check() { # description, command...
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

# The Linux build to compare with.
linux=$repo/build/default/src/clubdraw
if [ ! -x "$linux" ]; then
  cmake --preset default >/dev/null
  cmake --build --preset default --target clubdraw
fi

(cd "$work" && unzip -q "$build/$name.zip")
portable=$work/$name

# Runs both builds in the portable folder; stdout and exit status must match.
same() { # description, arguments...
  local what=$1; shift
  local linux_status=0 windows_status=0
  (cd "$portable" && "$linux" "$@") >"$work/linux.out" 2>/dev/null || linux_status=$?
  (cd "$portable" && wine ./clubdraw.com "$@") >"$work/windows.out" 2>/dev/null || windows_status=$?
  if [ "$linux_status" = "$windows_status" ] && cmp -s "$work/linux.out" "$work/windows.out"; then
    pass "$what (status $windows_status)"
  else
    fail "$what: status $linux_status on Linux, $windows_status under Wine"
    diff "$work/linux.out" "$work/windows.out" | head -n 10 || true
  fi
}

echo "== The command line of the portable copy"
same "--version" --version
same "check of the shipped catalogue" check kortliste_eng.txt
check "check says: No problems found." grep -qx "No problems found." "$work/windows.out"
same "seeded JSON draw" draw --preset all --count 3 --seed 42 --json
same "seeded draw of 40 clubs, letters beyond ASCII among them" draw --preset all --normal --count 40 --seed 7
check "the draw printed letters beyond ASCII" grep -qP '[^\x00-\x7F]' "$work/windows.out"
same "list of divisions" list divisions
same "too few clubs" draw --preset none
same "an unknown preset" draw --preset nowhere

(cd "$portable" && wine cmd /c clubdraw --version) >"$work/windows.out" 2>/dev/null || true
"$linux" --version >"$work/linux.out"
check "cmd.exe runs clubdraw.com for \"clubdraw\", writing to its console" \
  cmp -s "$work/linux.out" "$work/windows.out"

shown=$(cd "$portable" && wine ./clubdraw.com catalogue | tr -d '\r')
check "catalogue shows a Windows path: $shown" \
  grep -qE '^[A-Z]:\\([^/]*\\)?kortliste_eng\.txt$' <<<"$shown"
first=$(cd "$portable" && wine ./clubdraw.com check | head -n 1)
check "check names the file the Windows way: ${first%%: *}" grep -qE '^[A-Z]:\\[^/]*: ' <<<"$first"

# A catalogue under a Windows path with backslashes, blanks and non-ASCII letters.
odd="$WINEPREFIX/drive_c/Mine klubber ø/my clubs é.txt"
mkdir -p "$(dirname "$odd")"
cp "$portable/kortliste_eng.txt" "$odd"
"$linux" draw --catalogue "$odd" --preset all --count 3 --seed 42 --json >"$work/linux.out"
(cd "$portable" && wine ./clubdraw.com draw --catalogue 'C:\Mine klubber ø\my clubs é.txt' \
  --preset all --count 3 --seed 42 --json) >"$work/windows.out" 2>&1 || true
check "--catalogue 'C:\\Mine klubber ø\\my clubs é.txt'" cmp -s "$work/linux.out" "$work/windows.out"

echo "== The core tests"
qt=$(bash tools/windows/build-qt.sh --prefix)
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$runtime");$(winepath -w "$pthread")" \
  wine "$build/tests/core_tests.exe" --gtest_brief=1 >"$out/core_tests.log" 2>&1 &&
  pass "core tests: $(grep -E '^\[  PASSED  \]' "$out/core_tests.log" | tr -d '\r')" ||
  { fail "core tests"; tail -n 30 "$out/core_tests.log"; }

echo "== The window"
# Waits for a visible window of that exact title; prints its id.
window() { timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
# Clicks at a point of the window's client area, given in pixels.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# Waits up to 30 s for a program started in the background to end; sets
# $ended to its exit status, or to "running".
finished() {
  ended=running
  for _ in $(seq 30); do
    if ! kill -0 "$1" 2>/dev/null; then
      ended=0
      wait "$1" || ended=$?
      return
    fi
    sleep 1
  done
}

(cd "$portable" && wine ./clubdraw.exe) >"$out/window.log" 2>&1 &
program=$!
main=$(window "Clubdraw for Championship Manager 99/00")
sleep 2
import -window root "$out/desktop.png"
import -window "$main" "$out/main_window_start.png"
eval "$(xdotool getwindowgeometry --shell "$main")"
# The controls lie where the layout puts them, below the menu bar, in
# pixels of the 96-dpi layout: the client area is 488 pixels tall.
top=$((HEIGHT - 488))
result="209x41+152+$((top + 416))"
convert "$out/main_window_start.png" -crop "$result" "$work/result_before.png"
click "$main" 312 $((top + 224)) # the "All nations" preset
sleep 1
click "$main" 436 $((top + 360)) # Find random team
# The reveal has landed when the result stops changing.
changed=0
previous=$work/result_before.png
for _ in $(seq 30); do
  sleep 1
  import -window "$main" "$work/now.png"
  convert "$work/now.png" -crop "$result" "$work/result_now.png"
  if cmp -s <(convert "$work/result_now.png" rgb:-) <(convert "$previous" rgb:-) && [ "$changed" -gt 0 ]; then
    break
  fi
  changed=$(compare -metric AE "$work/result_before.png" "$work/result_now.png" null: 2>&1 || true)
  changed=${changed%% *}
  cp "$work/result_now.png" "$work/result_previous.png"
  previous=$work/result_previous.png
done
cp "$work/now.png" "$out/main_window_windows.png"
check "Find random team reveals a club ($changed pixels of the result changed)" test "$changed" -gt 100
click "$main" 460 $((top + 464)) # Quit
finished "$program"
check "Quit ends the program with status 0 (got $ended)" test "$ended" = 0

cp -a "$portable" "$work/empty"
rm "$work/empty/kortliste_eng.txt"
(cd "$work/empty" && wine ./clubdraw.exe) >"$out/error53.log" 2>&1 &
program=$!
box=$(window "Clubdraw")
sleep 1
import -window "$box" "$out/error53_box.png"
check "a copy without a catalogue reports error 53" grep -q "53" "$out/error53.log"
xdotool key --window "$box" Return
finished "$program"
check "the error box ends the program with status 1 (got $ended)" test "$ended" = 1

echo "== The installer"
user=$(whoami)
installed="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Clubdraw"
menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Clubdraw.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Clubdraw'
wine "$build/$name-setup.exe" /S
wineserver -w
check "installs into AppData\\Local\\Programs\\Clubdraw" test -f "$installed/clubdraw.exe"
check "puts the catalogue in the installation's data folder" \
  test -f "$installed/share/clubdraw/kortliste_eng.txt"
check "adds a Start-menu entry" test -f "$menu"
check "lists itself under installed apps" bash -c "wine reg query '$key' /v UninstallString >/dev/null 2>&1"
"$linux" draw --preset all --count 3 --seed 42 --json >"$work/linux.out"
(cd "$work" && wine "$installed/clubdraw.com" draw --preset all --count 3 --seed 42 --json) \
  >"$work/windows.out" 2>&1 || true
check "the installed program draws as the Linux build does" cmp -s "$work/linux.out" "$work/windows.out"
wine "$installed/clubdraw.com" catalogue --copy >/dev/null 2>&1 || true
copy=$(wine "$installed/clubdraw.com" catalogue | tr -d '\r')
check "catalogue --copy gives the user a copy: $copy" \
  grep -qE '^C:\\users\\[^\\]+\\AppData\\Local\\clubdraw\\kortliste_eng\.txt$' <<<"$copy"
wine "$installed/uninstall.exe" /S
for _ in $(seq 60); do [ -e "$installed" ] || break; sleep 1; done
wineserver -w
check "the uninstaller removes the program" test ! -e "$installed"
check "the uninstaller removes the Start-menu entry" test ! -e "$menu"
check "the uninstaller removes its entry in installed apps" bash -c "! wine reg query '$key' >/dev/null 2>&1"

echo "test.sh took $(($(date +%s) - start)) s; screenshots in $out"
if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "All checks passed."
