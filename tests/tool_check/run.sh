#!/usr/bin/env bash
# Build-failure checks of the tool definition check. Each case of cases.txt compiles broken.cpp with one
# part replaced and must fail with the expected check, number and column in the compiler's message;
# broken.cpp as it stands and the built-in definition must compile. Usage: run.sh COMPILER SOURCE_DIR
set -u
export cxx=$1 src=$2 here
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C  # plain quotes in the compiler's messages

compile() { "$cxx" -std=c++20 -fsyntax-only -I "$src" "$@" 2>&1; }

# One line of cases.txt; prints "ok: ..." or "FAIL: ...".
run_case() {
  local name def check number column out want
  read -r name def check number column <<<"$1"
  if [ -z "$column" ]; then
    echo "FAIL: $name lacks its expected check, number or column"; return
  fi
  if out=$(compile "-D$def" "$here/broken.cpp"); then
    echo "FAIL: $name compiled; expected the build to stop at $check"; return
  fi
  local wants=("tool_error::$check(")
  if [ "$column" = - ]; then
    wants+=("array subscript value '$number' is outside the bounds of array 'field'")
  else
    wants+=("tool_error::field<$number>(column)"
            "array subscript value '$column' is outside the bounds of array 'column'")
  fi
  for want in "${wants[@]}"; do
    if ! grep -qF -- "$want" <<<"$out"; then
      echo "FAIL: $name stopped, but its message lacks: $want"; echo "$out" | head -20; return
    fi
  done
  echo "ok: $name stops at $check, number $number, column $column"
}
export -f compile run_case

fails=0
for good in "$here/broken.cpp" "$src/tools/115_osmolality_ratio.cpp"; do
  if ! compile "$good"; then echo "FAIL: $good does not pass the check"; fails=$((fails + 1)); fi
done
cases=$(grep -v -e '^#' -e '^[[:space:]]*$' "$here/cases.txt")
report=$(xargs -d '\n' -n1 -P2 bash -c 'run_case "$1"' _ <<<"$cases")
echo "$report"
fails=$((fails + $(grep -c '^FAIL' <<<"$report")))
count=$(wc -l <<<"$cases")
echo "$count broken definitions checked, $fails failures"
[ "$count" -gt 0 ] && [ $fails -eq 0 ]
