#!/usr/bin/env bash
# The layers of the program, lowest first. A file may include its own folder and the folders below
# it, never one above: the portable core builds bottom up, app/ sits on the core, and index/ (the
# family index, whose window takes the look of app/) on top of everything.
#   tests/layers/check.sh <source root>
set -u
root=$1
layers=(platform base engine reports calc store selftest tools app index)
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo -1; }
fails=0
checked=0
for folder in "${layers[@]}"; do
  own=$(rank "$folder")
  for file in "$root/$folder"/*.h "$root/$folder"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r target; do
      checked=$((checked + 1))
      dir=${target%%/*}
      [ "$dir" = third_party ] && [ "$folder" = base ] && continue
      r=$(rank "$dir")
      if [ "$dir" = "$target" ] || [ "$r" -lt 0 ] || [ "$r" -gt "$own" ]; then
        echo "FAIL: $folder/$(basename "$file") includes \"$target\", which is not at or below $folder"
        fails=$((fails + 1))
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  done
done
echo "layers ${layers[*]}: $checked includes checked, $fails pointing up"
[ "$checked" -gt 0 ] && [ $fails -eq 0 ]
