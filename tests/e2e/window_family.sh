#!/usr/bin/env bash
# The family window test: writes the native run of every tool's defaults with the native build's
# window_reference, then lets e2e_driver.exe open every exe of the list under Wine and compare.
#   window_family.sh NATIVE_WINDOW_REFERENCE E2E_DRIVER.exe EXE_LIST ARTIFACTS_DIR [NAME_PART]
set -u
: "${WINEPREFIX:?run through scripts/test.sh, which prepares a private Wine prefix}"
reference_program=$1 driver=$2 list=$3 artifacts=$4
if [ ! -x "$reference_program" ]; then
  echo "FAIL: no native $reference_program: build the native tree first (scripts/test.sh does), or set NATIVE_BUILD_DIR"
  exit 1
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$reference_program" >"$dir/reference.txt" || { echo "FAIL: $reference_program exits $?"; exit 1; }
wine "$driver" --family "$list" "$dir/reference.txt" "$artifacts" ${5:+"$5"}
