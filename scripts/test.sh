#!/usr/bin/env bash
# Builds everything and runs every test: the native core with sanitizers, then the Windows build
# under Wine. Installs what it needs first. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

echo "== native build and tests (AddressSanitizer, UBSan)"
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure --no-tests=error -j "$jobs"

echo "== fuzzing, every target briefly (clang, AddressSanitizer, UBSan)"
bash scripts/fuzz.sh --seconds 20

echo "== Windows build (mingw-w64) and tests under Wine"
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win -j "$jobs"
source scripts/wine-env.sh
trap wine_env_stop EXIT
wine_env_start
ctest --test-dir build/win --output-on-failure --no-tests=error
bash scripts/stress-records.sh

echo "== byte identity of the two builds; the lean, traceable exe; a reproducible build"
bash scripts/check-identity.sh build/native build/win
bash scripts/check-exe.sh build/win
bash scripts/check-reproducible.sh build/win

echo "== benchmarks, a short run (figures and method: BENCHMARKS.md)"
bash scripts/bench.sh --quick
