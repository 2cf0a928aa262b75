#!/usr/bin/env bash
# docs/TOOLS.md must be what the generator writes from the definitions today.
#   tests/docs/check.sh <tools_doc> <docs/TOOLS.md>
set -eu
fresh=$(mktemp)
trap 'rm -f "$fresh"' EXIT
"$1" --markdown "$fresh"
if ! cmp -s "$fresh" "$2"; then
  echo "FAIL: $2 is stale; write it again with: bash scripts/tools-doc.sh" >&2
  diff "$2" "$fresh" | head -20 >&2 || true
  exit 1
fi
echo "$2 is current ($(grep -c '^## ' "$2") tools)"
