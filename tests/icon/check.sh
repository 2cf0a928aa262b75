#!/usr/bin/env bash
# Regenerates the icon and compares it with the committed one; then checks, with ImageMagick, that it
# holds the seven PNG images 16, 24, 32, 48, 64, 128 and 256 pixels square.
set -euo pipefail
gen=$1
committed=$2
out=$(mktemp --suffix=.ico)
trap 'rm -f "$out"' EXIT
"$gen" "$out"
if ! cmp -s "$out" "$committed"; then
  echo "FAIL: $committed differs from what its drawing gives; regenerate it with: $gen $committed"
  exit 1
fi
got=$(identify -format '%m %wx%h\n' "$committed" | tr '\n' ' ')
want="PNG 16x16 PNG 24x24 PNG 32x32 PNG 48x48 PNG 64x64 PNG 128x128 PNG 256x256 "
if [ "$got" != "$want" ]; then
  echo "FAIL: images are: $got"
  exit 1
fi
echo "ok: icon matches its drawing: $want"
