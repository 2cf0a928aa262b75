#!/usr/bin/env bash
# Runs medtool.exe --selftest through wine from the shell, as a script or a build server would, and
# checks the exit codes: 0 with a written report, 3 when the report cannot be written.
set -u
: "${WINEPREFIX:?run through scripts/test.sh, which prepares a private Wine prefix}"
exe=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fails=0
wine "$exe" --selftest "$dir/report.txt"; code=$?
if [ $code -ne 0 ] || ! head -c 9 "$dir/report.txt" | grep -q '^TOOL|115|'; then
  echo "FAIL: --selftest to a writable file: exit $code"; fails=$((fails + 1))
fi
wine "$exe" --selftest "$dir/missing/report.txt"; code=$?
if [ $code -ne 3 ]; then echo "FAIL: --selftest into a missing folder: exit $code, want 3"; fails=$((fails + 1)); fi
echo "self-test exit codes through wine: $fails failures"
[ $fails -eq 0 ]
