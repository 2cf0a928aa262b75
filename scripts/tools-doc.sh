#!/usr/bin/env bash
# Writes docs/TOOLS.md again from the tool definitions (native build in build/native).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native --target tools_doc >/dev/null
mkdir -p docs
build/native/tests/docs/tools_doc --markdown docs/TOOLS.md
echo "docs/TOOLS.md: $(grep -c '^## ' docs/TOOLS.md) tools"
