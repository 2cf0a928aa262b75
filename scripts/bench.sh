#!/usr/bin/env bash
# The benchmarks, each figure a ratio to a row of the same run (BENCHMARKS.md):
#  1. the engine, natively (release, no sanitizers): expr_eval and tool_compute against muparser and
#     the compiled floor (Google Benchmark, medians of 9 repetitions);
#  2. whole processes under Wine: medtool.exe --selftest against an empty console program, and launch
#     to first paint against a minimal window program (medians of 21 alternating runs).
#   bash scripts/bench.sh           the figures of BENCHMARKS.md
#   bash scripts/bench.sh --quick   a short run (scripts/test.sh): everything builds, starts and agrees
# Fails when the contestants compute different values or a program cannot be started; the goals are
# reported, not enforced (timings on a shared machine are no pass/fail test).
set -euo pipefail
cd "$(dirname "$0")/.."
quick=0
[ "${1:-}" = "--quick" ] && quick=1
native=${BENCH_BUILD_DIR:-build/bench}
win=${WIN_BUILD_DIR:-build/win}

echo "== engine benchmarks (native, release)"
cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSANITIZE=OFF -DBENCH=ON >/dev/null
cmake --build "$native" -j "$(nproc)" --target bench_engine >/dev/null
if [ $quick -eq 1 ]; then
  "$native/bench/bench_engine" --benchmark_min_time=0.02 | grep -v -E '_(mean|stddev|cv) '
else
  "$native/bench/bench_engine" | grep -v -E '_(mean|stddev|cv) '
fi

echo "== whole processes under Wine"
cmake -S . -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build "$win" -j "$(nproc)" --target medtool launch_timer empty_console min_window >/dev/null
if [ -z "${WINEPREFIX:-}" ]; then
  source scripts/wine-env.sh
  trap wine_env_stop EXIT
  wine_env_start
fi
runs=21
[ $quick -eq 1 ] && runs=5
dir=$(mktemp -d)
bench=$(winepath -w "$win/bench")
exe=$(winepath -w "$win/medtool.exe")
wine "$win/bench/launch_timer.exe" exit $runs "$bench\\empty_console.exe" \
     "$exe --selftest $(winepath -w "$dir")\\selftest.txt" | sed 's/^/--selftest vs empty console program: /'
wine "$win/bench/launch_timer.exe" idle $runs "$bench\\min_window.exe" "$exe" \
     | sed 's/^/window vs minimal window program: /'
if ! head -c 5 "$dir/selftest.txt" 2>/dev/null | grep -q '^TOOL|'; then
  echo "medtool.exe --selftest wrote no report" >&2
  exit 1
fi
rm -rf "$dir"
echo "goals: --selftest ratio <= 1.5, window ratio <= 1.3"
