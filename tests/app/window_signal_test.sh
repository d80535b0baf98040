#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in its window on a virtual display: one draw by keyboard,
# then SIGTERM. It must end the ordinary way, with status 0 and, in the
# sanitizer build, no report (LeakSanitizer reports at an ordinary end only).
set -u
binary=$1
for tool in Xvfb xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 50); do [ -s "$dir/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$dir/display") QT_QPA_PLATFORM=xcb LC_ALL=C
export LSAN_OPTIONS="suppressions=$(dirname "$0")/window_leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
unset LANGUAGE

"$binary" 2>"$dir/stderr" &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name "^Clubdraw" | head -n 1)
[ -n "$window" ] || { echo "FAIL: no window"; kill "$program"; exit 1; }
sleep 1
xdotool windowfocus --sync "$window"
# Focus starts on the first nation: tick it, then Tab past the other
# fourteen and the database choice to "Find random team", and press it.
xdotool key --window "$window" --delay 50 space $(printf 'Tab %.0s' $(seq 16))
sleep 1
import -window "$window" "$dir/before.png"
xdotool key --window "$window" space
sleep 4 # the reveal lasts about 2.3 s
import -window "$window" "$dir/after.png"
changed=$(compare -metric AE "$dir/before.png" "$dir/after.png" null: 2>&1)
kill -TERM "$program"
wait "$program"
status=$?

failed=0
[ "${changed%% *}" -gt 100 ] || { echo "FAIL: no draw shown ($changed pixels changed)"; failed=1; }
[ "$status" -eq 0 ] || { echo "FAIL: SIGTERM ended the program with status $status"; failed=1; }
if grep -q "Sanitizer" "$dir/stderr"; then
  echo "FAIL: a sanitizer reported:"
  cat "$dir/stderr"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "ok: a draw, then SIGTERM: status 0 and no sanitizer report"
exit "$failed"
