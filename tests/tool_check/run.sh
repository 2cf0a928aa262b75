#!/usr/bin/env bash
# Each broken_*.cpp here holds a tool definition that breaks one invariant, and a line
# "// expect: NAME" with the check that must stop its build. Passes when every file fails to compile
# with that name in the compiler's message, and the good definition compiles.
set -u
cxx=$1
src=$2
here=$(dirname "$0")
fails=0
if ! "$cxx" -std=c++20 -fsyntax-only -I "$src" "$src/tools/115_osmolality_ratio.cpp"; then
  echo "FAIL: the built-in definition does not pass the check"; fails=$((fails + 1))
fi
for f in "$here"/broken_*.cpp; do
  expect=$(sed -n 's#^// expect: ##p' "$f")
  if [ -z "$expect" ]; then
    echo "FAIL: $(basename "$f") names no expected check (// expect: NAME)"; fails=$((fails + 1)); continue
  fi
  out=$("$cxx" -std=c++20 -fsyntax-only -I "$src" "$f" 2>&1)
  if [ $? -eq 0 ]; then
    echo "FAIL: $(basename "$f") compiled; expected the build to stop at $expect"; fails=$((fails + 1))
  elif ! grep -q "tool_error::$expect" <<<"$out"; then
    echo "FAIL: $(basename "$f") stopped, but not at $expect:"; echo "$out" | head -20; fails=$((fails + 1))
  else
    echo "ok: $(basename "$f") stops at $expect"
  fi
done
echo "$(ls "$here"/broken_*.cpp | wc -l) broken definitions checked, $fails failures"
[ $fails -eq 0 ]
