#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the catalogue fuzzer (preset "fuzz") and runs it for SECONDS over a
# copy of the seed corpus in build/fuzz/corpus, so the repository is never
# written to. Prints the executions and the coverage reached; exits non-zero
# when the fuzzer finds a crash, a sanitizer report, a broken invariant or a
# slow input, and leaves that input in build/fuzz/artifacts/.
set -euo pipefail

seconds=${1:-}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 SECONDS" >&2
  exit 2
fi

cd "$(dirname "$0")/.."
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

corpus=build/fuzz/corpus
artifacts=build/fuzz/artifacts
log=build/fuzz/last-run.log
rm -rf "$corpus"
cp -R fuzz/corpus "$corpus"
# The shipped catalogue: a large, real input for the draws and the time limit.
cp data/kortliste_eng.txt "$corpus/shipped_catalogue.txt"
mkdir -p "$artifacts"

echo "Fuzzing the catalogue reader for $seconds s (log: $log)"
status=0
build/fuzz/fuzz/catalogue_fuzzer "$corpus" \
  -dict=fuzz/catalogue.dict -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -max_total_time="$seconds" -print_final_stats=1 -print_coverage=1 \
  -artifact_prefix="$artifacts/" >"$log" 2>&1 || status=$?

if [ "$status" -ne 0 ]; then
  sed '/^COVERAGE:/,$d' "$log" | tail -n 40
  echo "The fuzzer failed (exit $status); the input is in $artifacts/" >&2
  exit "$status"
fi

# libFuzzer's last status line (cov: edges reached in all instrumented
# code, ft: features) and its final statistics.
grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || true
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' \
  "$log" || true
# Edges of the reader's own code reached, from -print_coverage.
awk '/^(COVERED|UNCOVERED)_FUNC:/ && /src\/core\/cataloguereader\.cpp/ {
       split($0, f, "edges: "); split(f[2], e, "[/ ]"); hit += e[1]; all += e[2]
     }
     END { if (all) printf "cataloguereader.cpp: %d of %d edges covered (%.0f%%)\n", hit, all, 100 * hit / all }' \
  "$log"
