#!/usr/bin/env bash
# Builds medtool.exe a second time from the same tree in a fresh folder and compares the bytes with
# the given exe: two builds of one commit must be identical. (In a work tree whose tracked files changed
# between the two configurations, the revision in the VERSIONINFO rightly differs: "-modified".)
#   scripts/check-reproducible.sh build/win/medtool.exe      KEEP_REPRO=1 keeps the second build
set -euo pipefail
cd "$(dirname "$0")/.."
exe=$1
again=$(mktemp -d "$PWD/build/repro.XXXXXX")
trap '[ -n "${KEEP_REPRO:-}" ] || rm -rf "$again"' EXIT
cmake -S . -B "$again" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build "$again" -j "$(nproc)" --target medtool >/dev/null
if ! cmp "$exe" "$again/medtool.exe"; then
  echo "FAIL: a second build of the same tree gives other bytes than $exe" >&2
  exit 1
fi
echo "$exe: a second build in another folder gives identical bytes ($(sha256sum "$exe" | cut -c1-16)…)"
