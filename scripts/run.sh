#!/usr/bin/env bash
# Builds the Windows program of one tool, or the family index, and opens its window under Wine, in a
# private Wine prefix.
#   bash scripts/run.sh [NUMBER]      the tool's number (default 115, medtool.exe); tools/ lists them
#   bash scripts/run.sh index         the family index, medtool-index.exe
# With a display ($DISPLAY set) the window opens there and the script returns when it is closed.
# Without one, the window opens on a virtual display: the script saves a screenshot of it as a PNG,
# prints the PNG's path, closes the window, then runs the self-test (a tool's) and prints its report.
set -euo pipefail
# BUILD_DIR (default build/win) names the build folder.
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${BUILD_DIR:-build/win}
number=${1:-115}
if [ "$number" = index ]; then name=medtool-index; else name=$(bash scripts/tool-exe.sh "$number"); fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build "$build" -j "$(nproc)" --target "$name"
exe=$PWD/$build/$name.exe
out=$PWD/$build/run/$number
mkdir -p "$out"

source scripts/wine-env.sh
trap wine_env_stop EXIT
if [ -n "${DISPLAY:-}" ]; then
  wine_env_start use-display
  echo "opening the window; close it to end"
  wine "$exe"
  exit 0
fi

wine_env_start
echo "no display: opening the window on the virtual display $DISPLAY"
wine "$exe" &
program=$!
# Wine names the X window of the program after the exe; once it is mapped, give it a moment to paint.
window=
for _ in $(seq 1 300); do
  window=$(xwininfo -root -tree 2>/dev/null | awk -v n="\"$name.exe\"" 'index($0, n) && !/ 1x1\+/ { print $1; exit }')
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "the window did not appear" >&2
  kill "$program" 2>/dev/null || true
  exit 1
fi
sleep 1
import -window "$window" "$out/window.png"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
echo "screenshot of the window: $out/window.png"
[ "$number" = index ] && exit 0  # the index has no self-test

echo "self-test: $name.exe --selftest selftest.txt (in $out)"
code=0
(cd "$out" && wine "$exe" --selftest selftest.txt) || code=$?
echo "exit code $code; report $out/selftest.txt:"
tr -d '\r' < "$out/selftest.txt"
