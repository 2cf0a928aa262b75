#!/usr/bin/env bash
# Builds the engine benchmarks natively (release, no sanitizers) and runs them: expr_eval and
# tool_compute against muparser and the compiled floor, with the ratios to the goals at the end.
# Arguments go to Google Benchmark (e.g. --benchmark_min_time=0.05 for a quick run).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BENCH_BUILD_DIR:-build/bench}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSANITIZE=OFF -DBENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target bench_engine
"$build/bench/bench_engine" "$@"
