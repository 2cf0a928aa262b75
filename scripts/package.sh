#!/usr/bin/env bash
# The ward package: one zip with every tool's exe, the family index (medtool-index.exe, where to start)
# and a plain-text tool list (TOOLS.txt, UTF-8 with a
# byte-order mark and CR LF lines, so Notepad shows it; an ASCII name, since a zip written here marks no
# name as UTF-8 and Windows would show a Chinese one garbled), to copy to a ward PC. Builds what it needs.
#   bash scripts/package.sh            writes build/package/medtool-family-<version>.zip and prints its path
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j "$jobs" --target tools_doc >/dev/null
cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
exes=()
for f in tools/[0-9]*.cpp; do
  exes+=("$(bash scripts/tool-exe.sh "$(basename "$f" | cut -d_ -f1)")")
done
exes+=(medtool-index)
cmake --build build/win -j "$jobs" --target "${exes[@]}" >/dev/null

version=$(sed -n 's/^set(MEDTOOL_VERSION \([0-9.]*\))$/\1/p' cmake/exe_release.cmake)
stage=build/package/medtool-family-$version
rm -rf "$stage" "$stage.zip"
mkdir -p "$stage"
for e in "${exes[@]}"; do cp "build/win/$e.exe" "$stage/"; done
build/native/tests/docs/tools_doc --text "$stage/TOOLS.txt"
# The line after the title names the index as the place to start (CR LF, as every line of the file).
sed -i '1a\
从这里开始：双击 medtool-index.exe（临床计算器目录），输入名称、编号、缩写或拼音首字母即可找到并打开工具。\r' "$stage/TOOLS.txt"
# Fixed times and order, so the same tree gives the same zip.
touch -d '2000-01-01 00:00:00' "$stage"/*
(cd "$stage" && LC_ALL=C ls | sort | zip -X -q -D "../$(basename "$stage").zip" -@)
echo "$PWD/$stage.zip: $((${#exes[@]} - 1)) tools, the index and TOOLS.txt, $(stat -c %s "$stage.zip") bytes"
