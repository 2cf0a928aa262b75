#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UBSan) and runs each one from its seed corpus
# in tests/fuzz/corpus. Exits non-zero on any crash, sanitizer report or difference a target checks.
#   bash scripts/fuzz.sh                   every target for 20 s (the bounded run of scripts/test.sh)
#   bash scripts/fuzz.sh --seconds 60      every target for 60 s
#   bash scripts/fuzz.sh --runs 10000000   every target to 10 million executions (the long run)
#   bash scripts/fuzz.sh ... fuzz_expr     only the named targets
# FUZZ_BUILD_DIR chooses the build folder (default build/fuzz); new inputs go to a temporary folder,
# never into the seed corpus. A crashing input is kept as build folder/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
limit=(-max_total_time=20)
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --seconds) limit=(-max_total_time="$2"); shift 2 ;;
    --runs) limit=(-runs="$2"); shift 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
build=${FUZZ_BUILD_DIR:-build/fuzz}

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFUZZ=ON >/dev/null
if [ ${#targets[@]} -eq 0 ]; then
  for f in tests/fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

# Longest input each target reads (it ignores longer ones).
max_len() {
  case $1 in
    fuzz_expr) echo 258 ;; fuzz_format) echo 26 ;; fuzz_input_text) echo 254 ;; fuzz_report) echo 512 ;;
    fuzz_selftest_command) echo 2410 ;; fuzz_record_line) echo 8192 ;; *) echo 256 ;;
  esac
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
summary=()
for t in "${targets[@]}"; do
  mkdir -p "$work/$t"
  seeds=tests/fuzz/corpus/$t
  [ -d "$seeds" ] || seeds=
  log=$work/$t.log
  echo "== $t"
  if ! "$build/tests/fuzz/$t" "${limit[@]}" -max_len="$(max_len "$t")" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$build/" "$work/$t" $seeds >"$log" 2>&1; then
    tail -40 "$log"
    echo "FAIL: $t (the input is kept as $build/crash-* or leak-*/timeout-*)" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
  summary+=("$(printf '%-18s %12s executions in %s s' "$t" "$runs" "$secs")")
done
printf '%s\n' "${summary[@]}"
