#!/usr/bin/env bash
# Byte identity of the two builds: tests/identity/identity_dump writes the corpus (result texts,
# verdicts, levels, report texts, self-test reports, record lines, as UTF-8) once from the native
# build and once from the Windows build under Wine; the two must be identical. The exe's own
# --selftest report must equal the native one too. Needs the Wine prefix of scripts/wine-env.sh.
#   scripts/check-identity.sh <native build folder> <Windows build folder>
set -euo pipefail
native=$1
win=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/native" "$dir/win"
"$native/tests/identity/identity_dump" "$dir/native"
wine "$win/tests/identity/identity_dump.exe" "$dir/win"
wine "$win/medtool.exe" --selftest "$dir/win/exe_selftest.txt" || true

fails=0
compare() {
  if cmp -s "$1" "$2"; then return; fi
  echo "FAIL: $3 differ between the builds:" >&2
  diff "$1" "$2" | head -20 >&2 || true
  fails=$((fails + 1))
}
compare "$dir/native/corpus.txt" "$dir/win/corpus.txt" "the corpus texts"
compare "$dir/native/selftest.txt" "$dir/win/selftest.txt" "the self-test reports"
compare "$dir/native/selftest.txt" "$dir/win/exe_selftest.txt" "the native self-test report and medtool.exe --selftest"
[ $fails -eq 0 ] || exit 1
echo "byte identity: corpus of $(grep -c '^==== ' "$dir/native/corpus.txt") cases ($(wc -c <"$dir/native/corpus.txt") bytes) and the self-test report identical in both builds and from medtool.exe"
