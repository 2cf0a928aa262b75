#!/usr/bin/env bash
# Prints the exe name (without .exe) of tool NUMBER, from its definition file tools/NNN_slug.cpp:
# medtool for 115, medtool-NNN-slug for the others (as cmake/catalogue.cmake names them).
#   scripts/tool-exe.sh NUMBER
set -euo pipefail
cd "$(dirname "$0")/.."
[[ "${1:-}" =~ ^[0-9]+$ ]] || { echo "not a tool number: ${1:-}" >&2; exit 2; }
number=$(printf "%03d" "$((10#$1))")
files=(tools/"$number"_*.cpp)
if [ ! -e "${files[0]}" ]; then
  echo "no tool $1: tools/ holds $(ls tools/[0-9]*.cpp | sed 's#tools/\([0-9]*\)_.*#\1#' | tr '\n' ' ')" >&2
  exit 2
fi
stem=$(basename "${files[0]}" .cpp)
if [ "$number" = 115 ]; then echo medtool; else slug=${stem#*_}; echo "medtool-$number-${slug//_/-}"; fi
