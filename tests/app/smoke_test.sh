#!/usr/bin/env bash
# Starts the real program on the offscreen platform: with its shipped
# catalogue it must stay up; without one it must report error 53 with the path.
set -u
binary=$1
export QT_QPA_PLATFORM=offscreen
status=0

timeout 3 "$binary" >/dev/null 2>&1
rc=$?
if [ "$rc" -ne 124 ]; then
  echo "FAIL: clubdraw with its catalogue exited early with status $rc"
  status=1
else
  echo "ok: clubdraw with its catalogue keeps running"
fi

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$binary" "$dir/clubdraw"
# The error box waits for the user; the report on stderr comes first.
timeout 3 "$dir/clubdraw" >/dev/null 2>"$dir/stderr"
if grep -q "run-time error 53: File not found ($dir/kortliste_eng.txt)" "$dir/stderr"; then
  echo "ok: a missing catalogue is reported as error 53 with its path"
else
  echo "FAIL: missing catalogue not reported; stderr was:"
  cat "$dir/stderr"
  status=1
fi
exit $status
