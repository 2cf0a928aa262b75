#!/usr/bin/env bash
# Builds every tool's exe and the index a second time from the same tree in a fresh folder and compares the bytes
# with those in the given build folder: two builds of one commit must be identical. (In a work tree whose
# tracked files changed between the two configurations, the revision in the VERSIONINFO rightly
# differs: "-modified".)
#   scripts/check-reproducible.sh build/win      KEEP_REPRO=1 keeps the second build
set -euo pipefail
cd "$(dirname "$0")/.."
first=$1
exes=()
for f in tools/[0-9]*.cpp; do exes+=("$(bash scripts/tool-exe.sh "$((10#$(basename "$f" | cut -d_ -f1)))")"); done
exes+=(medtool-index)
again=$(mktemp -d "$PWD/build/repro.XXXXXX")
trap '[ -n "${KEEP_REPRO:-}" ] || rm -rf "$again"' EXIT
cmake -S . -B "$again" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build "$again" -j "$(nproc)" --target "${exes[@]}" >/dev/null
fails=0
for e in "${exes[@]}"; do
  if ! cmp "$first/$e.exe" "$again/$e.exe"; then
    echo "FAIL: a second build of the same tree gives other bytes than $first/$e.exe" >&2
    fails=$((fails + 1))
  fi
done
[ $fails -eq 0 ] || exit 1
echo "${#exes[@]} exes: a second build in another folder gives identical bytes (medtool.exe $(sha256sum "$first/medtool.exe" | cut -c1-16)…)"
