#!/usr/bin/env bash
# Builds the libFuzzer deck target with clang (build-fuzz) and runs it for SECONDS (default 60)
# on a working copy of fuzz/corpus, which is never written to. Further arguments go to libFuzzer.
# Usage: tools/fuzz.sh [SECONDS] [libFuzzer flags...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
case "$seconds" in ''|*[!0-9]*) echo "usage: tools/fuzz.sh [SECONDS] [libFuzzer flags...]" >&2; exit 2;; esac

tools/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

# New inputs go to the working copy (libFuzzer writes to its first corpus folder only);
# a violation is saved under artifacts/.
work=build-fuzz/corpus-work
artifacts=build-fuzz/artifacts
mkdir -p "$work" "$artifacts"
cp -n fuzz/corpus/* "$work"/
log=build-fuzz/fuzz.log

stamp=build-fuzz/fuzz.start
touch "$stamp"

echo "fuzzing for ${seconds} s (log: $log)"
status=0
build-fuzz/fuzz/qalt2morv_deck_fuzzer "$work" \
  -dict=fuzz/deck.dict -rss_limit_mb=2048 -max_len=131072 -timeout=30 \
  -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts/" "$@" \
  >"$log" 2>&1 || status=$?

# The final stats give the executions; in -fork mode the last "#N" status line does.
last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
[ -n "$execs" ] || execs=$(printf '%s\n' "$last" | sed -n 's/^#\([0-9]*\).*/\1/p')
echo "executions: ${execs:-unknown}"
echo "last status: ${last:-none}"
# With -fork=1 -ignore_crashes=1 the run goes on past a violation and still exits 0. A
# slow-unit file only says an input took long (often a busy machine): it is no violation.
found=$(find "$artifacts" -type f -newer "$stamp" ! -name 'slow-unit-*')
if [ "$status" -ne 0 ] || [ -n "$found" ]; then
  echo "the fuzzer found a violation (exit $status); inputs saved:" ${found:-"(see $artifacts/)"} >&2
  grep -E 'deck_fuzzer:|ERROR:|SUMMARY:|runtime error|Test unit written' "$log" >&2 || tail -40 "$log" >&2
  exit 1
fi
