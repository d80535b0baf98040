#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on the offscreen platform: with its shipped
# catalogue it must stay up; without one it must report error 53 with the
# places tried. Then runs its command line as a user would.
set -u
binary=$1
export QT_QPA_PLATFORM=offscreen
# English, whatever the machine's language; Norwegian is asked for below.
export LC_ALL=C
unset LANGUAGE
status=0
fail() { echo "FAIL: $*"; status=1; }

timeout 3 "$binary" >/dev/null 2>&1
rc=$?
if [ "$rc" -ne 124 ]; then
  fail "clubdraw with its catalogue exited early with status $rc"
else
  echo "ok: clubdraw with its catalogue keeps running"
fi

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Nothing of the user's or the system's own data is read.
export XDG_DATA_HOME=$dir/home XDG_DATA_DIRS=$dir/system
cp "$binary" "$dir/clubdraw"
# The error box waits for the user; the report on stderr comes first.
timeout 3 "$dir/clubdraw" >/dev/null 2>"$dir/stderr"
if grep -qF "run-time error 53: File not found (Tried, in this order: $dir/kortliste_eng.txt; $dir/home/clubdraw/kortliste_eng.txt; $dir/system/clubdraw/kortliste_eng.txt" "$dir/stderr"; then
  echo "ok: a missing catalogue is reported as error 53 with every place tried"
else
  fail "missing catalogue not reported; stderr was: $(cat "$dir/stderr")"
fi

# Runs the binary with the given arguments; sets rc, out and err.
run() {
  timeout 10 "$binary" "$@" >"$dir/out" 2>"$dir/err"
  rc=$?
  out=$(cat "$dir/out")
  err=$(cat "$dir/err")
}

run --help
[ "$rc" -eq 0 ] && [[ $out == "Usage: clubdraw [options] [command]"* ]] ||
  fail "--help gave status $rc and: $out$err"
run --version
[ "$rc" -eq 0 ] && [[ $out =~ ^clubdraw\ [0-9]+\.[0-9]+\.[0-9]+$ ]] ||
  fail "--version gave status $rc and: $out$err"
run --no-such-option
[ "$rc" -eq 2 ] && [[ $err == *"'--no-such-option'"*$'\n'"Usage: clubdraw"* ]] ||
  fail "an unknown option gave status $rc and: $err"

run check
[ "$rc" -eq 0 ] && [[ $out == *": 532 clubs, 16 nations, 31 divisions, "*"No problems found." ]] ||
  fail "check on the shipped catalogue gave status $rc and: $out$err"

# The desktop's language, Nynorsk read as Bokmål; check's FILE:LINE: form
# stays as scripts read it.
LANGUAGE=nn run --help
[ "$rc" -eq 0 ] && [[ $out == "Bruk: clubdraw [valg] [kommando]"$'\n'"Trekker"* ]] ||
  fail "LANGUAGE=nn --help gave status $rc and: $out$err"
printf 'England,Premier,,0,Arsenal\r\nEngland,Premier,,0,Chelsea,\r\n' >"$dir/uneven.txt"
# A nation named as the window names it points to the catalogue's name.
LANGUAGE=nb run draw --nation Tyskland
[ "$rc" -eq 2 ] && [[ $err == *Germany* ]] ||
  fail "LANGUAGE=nb draw --nation Tyskland gave status $rc and: $err"
LANGUAGE=nb run check "$dir/uneven.txt"
[[ $out == "$dir/uneven.txt:2: warning: linjen har 6 felt"* ]] ||
  fail "LANGUAGE=nb check gave status $rc and: $out$err"

# A path whose bytes are not UTF-8 is refused, never read as another.
cp "$(dirname "$binary")/kortliste_eng.txt" "$dir/"$'\xff.txt'
for form in "check $dir/"$'\xff.txt' "--catalogue=$dir/"$'\xff.txt'; do
  run $form
  [ "$rc" -eq 2 ] || fail "$form gave status $rc and: $err"
done

# The commands need no display at all.
env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY \
  "$binary" draw --preset europe --count 3 --seed 7 >"$dir/first" 2>&1
rc=$?
"$binary" draw --preset europe --count 3 --seed 7 >"$dir/second" 2>&1
# Three different clubs, then the draw's code.
if [ "$rc" -ne 0 ] || [ "$(head -n 3 "$dir/first" | sort -u | wc -l)" -ne 3 ] ||
  [ "$(wc -l <"$dir/first")" -ne 4 ] ||
  ! cmp -s "$dir/first" "$dir/second"; then
  fail "a seeded draw of three without a display: status $rc, $(cat "$dir/first") / $(cat "$dir/second")"
fi

# Output that does not all arrive fails every command, with one line on
# stderr: a full disk, a closed stdout. A copy's own catalogue comes from
# the system's folder, where --copy takes it from.
mkdir -p "$dir/system/clubdraw"
cp "$(dirname "$binary")/kortliste_eng.txt" "$dir/system/clubdraw/"
for command in --help --version check catalogue "catalogue --copy --force" "list nations" \
  "list divisions" "draw --preset all --count 5" "draw --preset all --count 5 --json"; do
  for target in /dev/full closed; do
    if [ "$target" = closed ]; then
      "$dir/clubdraw" $command >&- 2>"$dir/err"
    else
      "$dir/clubdraw" $command >"$target" 2>"$dir/err"
    fi
    rc=$?
    [ "$rc" -eq 1 ] && [ "$(wc -l <"$dir/err")" -eq 1 ] ||
      fail "$command into $target gave status $rc and: $(cat "$dir/err")"
  done
done
# A reader that goes early: silent death by SIGPIPE (141) is the convention;
# with SIGPIPE ignored the write fails, and so does the command. The JSON
# of 500 clubs is larger than a pipe holds.
for trap in - "''"; do
  (
    eval "trap $trap PIPE"
    "$binary" draw --preset all --normal --count 500 --json 2>"$dir/err" | head -c 10 >/dev/null
    exit "${PIPESTATUS[0]}"
  )
  rc=$?
  want=141
  [ "$trap" = - ] || want=1
  [ "$rc" -eq "$want" ] || fail "a reader gone early (trap $trap) gave status $rc: $(cat "$dir/err")"
done

# The window without one: one line saying so, and what works instead.
for args in "" "-bogus"; do
  env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$binary" $args >"$dir/out" 2>"$dir/err"
  rc=$?
  if [ "$rc" -ne 1 ] || [ "$(wc -l <"$dir/err")" -ne 1 ] ||
    ! grep -q "needs a graphical session.*clubdraw --help" "$dir/err"; then
    fail "the window without a display ($args) gave status $rc and: $(cat "$dir/err")"
  fi
done

[ $status -eq 0 ] &&
  echo "ok: --help, --version, a wrong option, check, Norwegian, a seeded draw, output that" \
    "cannot be written and no display"
exit $status
