#!/usr/bin/env bash
# Byte identity of the two builds: tests/identity/identity_dump writes the corpus (result texts,
# verdicts, levels, report texts, self-test reports, record lines, as UTF-8) once from the native
# build and once from the Windows build under Wine; the two must be identical. The exe's own
# --selftest report must equal the native one too. Needs the Wine prefix of scripts/wine-env.sh.
#   scripts/check-identity.sh <native build folder> <Windows build folder>
set -euo pipefail
native=$1
win=$2
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/native" "$dir/win"
"$native/tests/identity/identity_dump" "$dir/native"
wine "$win/tests/identity/identity_dump.exe" "$dir/win"
wine "$win/medtool.exe" --selftest "$dir/win/exe_selftest.txt" || true
# Every tool's exe passes its self-test (exit code 0) and writes its own report, which must equal the
# native one of that tool.
tools=0
fails=0
for f in "$root"/tools/[0-9]*.cpp; do
  number=$((10#$(basename "$f" | cut -d_ -f1)))
  exe=$(bash "$root/scripts/tool-exe.sh" "$number")
  code=0
  wine "$win/$exe.exe" --selftest "$dir/win/exe_selftest_$number.txt" || code=$?
  [ $code -eq 0 ] || { echo "FAIL: $exe.exe --selftest exits $code" >&2; fails=$((fails + 1)); }
  tools=$((tools + 1))
done

compare() {
  if cmp -s "$1" "$2"; then return; fi
  echo "FAIL: $3 differ between the builds:" >&2
  diff "$1" "$2" | head -20 >&2 || true
  fails=$((fails + 1))
}
compare "$dir/native/corpus.txt" "$dir/win/corpus.txt" "the corpus texts"
compare "$dir/native/selftest.txt" "$dir/win/selftest.txt" "the self-test reports"
compare "$dir/native/selftest.txt" "$dir/win/exe_selftest.txt" "the native self-test report and medtool.exe --selftest"
for f in "$dir"/native/selftest_[0-9]*.txt; do
  number=$(basename "$f" .txt | cut -d_ -f2)
  compare "$f" "$dir/win/exe_selftest_$number.txt" "the native self-test report of tool $number and its exe's --selftest"
done
[ "$(ls "$dir"/native/selftest_[0-9]*.txt | wc -l)" -eq "$tools" ] || { echo "FAIL: not every tool has a native self-test report" >&2; fails=$((fails + 1)); }
[ $fails -eq 0 ] || exit 1
echo "byte identity: $tools tools' exes write their native self-test reports; corpus of $(grep -c '^==== ' "$dir/native/corpus.txt") cases ($(wc -c <"$dir/native/corpus.txt") bytes) and the self-test report identical in both builds and from medtool.exe"
