#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows build under Wine, in a fresh Wine prefix on Xvfb, as a
# Windows player would use it. Run tools/windows/package.sh first.
#   - the portable copy's command line prints what the Linux build prints,
#     byte for byte, with the same exit status;
#   - --language nb and LANGUAGE=nb speak Norwegian, as on Linux;
#   - ctest passes under Wine: the core tests, and the window driver, which
#     works both draw windows by object name: Find random team lands on a
#     club, the league draws match the command line's, Quit ends it;
#   - the program's window opens and closes with 0, and a copy without a
#     catalogue shows the error-53 box;
#   - Extras > Language > Norsk bokmål gives Norwegian windows at the next
#     start; the window at 150 % (LogPixels 144);
#   - the installer speaks Norwegian when asked, installs silently, the
#     installed program draws and makes the user's catalogue copy, /PATH adds
#     the folder to the user's PATH, a second install elsewhere removes the
#     first, and the uninstaller removes it all, PATH entry included;
#   - SHA256SUMS matches both downloads.
# Screenshots are left in build/windows/test/.
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$PWD
source tools/windows/names.sh
start=$(date +%s)
build=$repo/build/windows
if [ ! -f "$build/$zip_name" ] || [ ! -f "$build/$setup_name" ]; then
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

echo "== The downloads"
check "SHA256SUMS matches both downloads" bash -c "cd '$build' && sha256sum --quiet -c '$sums_name'"

(cd "$work" && unzip -q "$build/$zip_name")
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
same "--language nb" --language nb --help
same "--language nb in a command" list nations --language=nb
LANGUAGE=nb same "LANGUAGE=nb" --help
check "LANGUAGE=nb speaks Norwegian" grep -q "Argumenter:" "$work/windows.out"

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

echo "== The core tests and the window, through ctest"
# The window driver works both windows by object name on this display.
ctest --test-dir "$build" --output-on-failure >"$out/ctest.log" 2>&1 &&
  pass "ctest under Wine: $(grep -E 'tests passed' "$out/ctest.log" | tr -d '\r')" ||
  { fail "ctest under Wine"; tail -n 30 "$out/ctest.log"; }
report=$build/tools/windowdriver.txt
check "Find random team lands on a club: $(sed -n 's/^Find random team: //p' "$report")" \
  grep -q '^Find random team: .' "$report"
# The window's league draws beside the command line's, on both systems:
# the words' draw, then the window's code of its second draw replayed.
managers=(--manager Ann --manager Bo --manager Cem --manager Dag)
words=(draw --preset europe "${managers[@]}" --words "Round 1, 10 December")
second=$(sed -n 's/^Code: //p' "$report" | tail -n 1)
"$linux" "${words[@]}" | sed 's/ in .*//' >"$work/linux.out"
check "the window's draw with agreed words is the command line's" \
  cmp -s "$work/linux.out" <(sed -n '2,6p' "$report")
"$linux" draw --replay "$second" "${managers[@]}" | sed 's/ in .*//' >"$work/linux.out"
check "draw --replay of the window's code gives the window's clubs" \
  cmp -s "$work/linux.out" <(sed -n '7,11p' "$report")
same "the draw with agreed words" "${words[@]}"
same "the window's code replayed" draw --replay "$second" "${managers[@]}"

echo "== The program's own window"
# Waits for a visible window of that exact title; prints its id.
window() { timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
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
import -window "$main" "$out/main_window_windows.png"
xdotool key --window "$main" alt+F4
finished "$program"
check "the window opens, and closing it ends the program with status 0 (got $ended)" \
  test "$ended" = 0

cp -a "$portable" "$work/empty"
rm "$work/empty/kortliste_eng.txt"
(cd "$work/empty" && wine ./clubdraw.exe) >"$out/error53.log" 2>&1 &
program=$!
box=$(window "Clubdraw")
sleep 1
import -window "$box" "$out/error53_box.png"
check "a copy without a catalogue shows the error box" test -n "$box"
check "the box reports error 53" grep -q "run-time error 53:" "$out/error53.log"
xdotool key --window "$box" Return
finished "$program"
check "the error box ends the program with status 1 (got $ended)" test "$ended" = 1

echo "== The language and the scale of the window"
settings='HKCU\Software\clubdraw\clubdraw'
# Starts the portable copy's window; shoots it once it is up, then ends it.
shoot() { # file, arguments...
  local file=$1 id
  shift
  (cd "$portable" && wine ./clubdraw.exe "$@") >>"$out/language.log" 2>&1 &
  program=$!
  id=$(window "Clubdraw for Championship Manager 99/00")
  sleep 2
  import -window "$id" "$file"
  xdotool key --window "$id" alt+F4
  finished "$program"
  # The next shot must not find this window.
  if [ "$ended" = running ]; then wineserver -k || true; fi
}
# How many pixels two shots differ in.
differ() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true; }
shoot "$out/main_window_en.png"
shoot "$out/main_window_nb.png" --language nb
LANGUAGE=nb shoot "$work/language_variable.png"
check "--language nb changes the window ($(differ "$out/main_window_en.png" "$out/main_window_nb.png") pixels)" \
  test "$(differ "$out/main_window_en.png" "$out/main_window_nb.png")" -gt 1000
check "LANGUAGE=nb gives the same window as --language nb" \
  test "$(differ "$out/main_window_nb.png" "$work/language_variable.png")" = 0

# Extras > Language > Norsk bokmål, by keyboard: Alt, then the menus
# (Language follows Several managers…).
(cd "$portable" && wine ./clubdraw.exe) >>"$out/language.log" 2>&1 &
program=$!
main=$(window "Clubdraw for Championship Manager 99/00")
sleep 2
xdotool key --window "$main" --delay 300 alt Right Down Down Right
sleep 1
import -window root "$out/language_menu.png"
xdotool key --window "$main" --delay 300 Down Down Return
xdotool key --window "$main" alt+F4
finished "$program"
kept=$(wine reg query "$settings" /v language 2>/dev/null | tr -d '\r' | awk '/language/ { print $NF }')
check "Norsk bokmål is kept for the user (language = $kept)" test "$kept" = nb
shoot "$work/main_window_kept.png"
check "the next start speaks Norwegian" \
  test "$(differ "$out/main_window_nb.png" "$work/main_window_kept.png")" = 0
wine reg add "$settings" /v language /d "klingon" /f >/dev/null 2>&1
shoot "$work/main_window_unknown.png"
check "an unknown kept language follows the system, with no box" \
  test "$(differ "$out/main_window_en.png" "$work/main_window_unknown.png")" = 0
wine reg delete "$settings" /f >/dev/null 2>&1 || true

# 150 %: Wine's own dots per inch, read when Wine starts.
wineserver -w
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -k || true
shoot "$out/main_window_windows_150.png"
check "at 150 % the window is half as large again ($(identify -format %w "$out/main_window_windows_150.png") pixels wide)" \
  test "$(identify -format %w "$out/main_window_windows_150.png")" -ge 750
wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
wineserver -k || true

echo "== The installer"
# In Norwegian, by its language choice: Wine answers English to
# GetUserDefaultUILanguage whatever LANG says.
wine "$build/$setup_name" >"$out/installer.log" 2>&1 &
setup=$!
chooser=$(window "Installer Language")
import -window "$chooser" "$out/installer_language.png"
xdotool key --window "$chooser" --delay 300 Down Return
installer=$(window "Clubdraw installasjon ")
sleep 2
import -window "$installer" "$out/installer_nb_licence.png"
xdotool key --window "$installer" Return
sleep 2
import -window "$installer" "$out/installer_nb_components.png"
check "the installer speaks Norwegian when asked" test -n "$installer"
wineserver -k || true
wait "$setup" 2>/dev/null || true
user=$(whoami)
installed="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Clubdraw"
menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Clubdraw.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Clubdraw'
# The user's own PATH, with an empty entry and a variable in it.
path_before='C:\Tools;;%USERPROFILE%\bin'
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$path_before" /f >/dev/null 2>&1
user_path() { wine reg query 'HKCU\Environment' /v Path 2>/dev/null | tr -d '\r' | sed -n 's/^ *Path *REG_[A-Z_]* *//p'; }
wine "$build/$setup_name" /S
wineserver -w
check "/S leaves PATH alone" test "$(user_path)" = "$path_before"
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

# /PATH puts the folder on PATH; an install elsewhere removes the first,
# PATH entry included, and the uninstaller leaves PATH as it was.
wine "$build/$setup_name" /S /PATH
wineserver -w
check "/PATH adds the folder to the user's PATH" \
  test "$(user_path)" = "$path_before;$(winepath -w "$installed")"
other="$WINEPREFIX/drive_c/Other"
wine "$build/$setup_name" /S /PATH '/D=C:\Other'
wineserver -w
check "an install elsewhere removes the first one" test ! -e "$installed"
check "... installs there, with its own PATH entry alone" test "$(user_path)" = "$path_before;C:\Other"
check "... keeping the user's own catalogue" \
  test -f "$WINEPREFIX/drive_c/users/$user/AppData/Local/clubdraw/kortliste_eng.txt"
check "... and lists itself there" bash -c "wine reg query '$key' /v InstallLocation 2>/dev/null | grep -q 'C:.Other'"
wine 'C:\Other\uninstall.exe' /S
for _ in $(seq 60); do [ -e "$other" ] || break; sleep 1; done
wineserver -w
check "the uninstaller takes exactly its entry off PATH" test "$(user_path)" = "$path_before"
installed=$other
check "the uninstaller removes the program" test ! -e "$installed"
check "the uninstaller removes the Start-menu entry" test ! -e "$menu"
check "the uninstaller removes its entry in installed apps" bash -c "! wine reg query '$key' >/dev/null 2>&1"

echo "test.sh took $(($(date +%s) - start)) s; screenshots in $out"
if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "All checks passed."
