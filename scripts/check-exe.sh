#!/usr/bin/env bash
# Checks every tool's lean, traceable exe: it imports only from kernel32, user32, gdi32, shell32 and
# msvcrt; it is at most 256 KiB; its VERSIONINFO names the product version, the source revision it was
# built from (the work tree's HEAD) and the SHA-256 of its own tool definition file. The family index,
# medtool-index.exe, is checked alike; its definition file is the table of tools the build generated.
#   scripts/check-exe.sh build/win          every tool in tools/, and the index
#   scripts/check-exe.sh some.exe definition.cpp
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 1 ] && [ -d "$1" ]; then
  status=0
  for f in "$root"/tools/[0-9]*.cpp; do
    exe=$(bash "$root/scripts/tool-exe.sh" "$((10#$(basename "$f" | cut -d_ -f1)))")
    bash "$0" "$1/$exe.exe" "$f" || status=1
  done
  bash "$0" "$1/medtool-index.exe" "$1/index/index_table.cpp" || status=1
  exit $status
fi
exe=$1
definition=$2
fails=0
fail() { echo "FAIL: $*" >&2; fails=$((fails + 1)); }
[ -f "$exe" ] || { fail "$exe was not built"; exit 1; }

# The import table, and every DLL name the exe holds: delay-loaded DLLs (GNU ld leaves them out of the
# data directories objdump reads) and any name a LoadLibrary call could use.
dlls=$( (x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p'
         strings -a "$exe" | grep -i -o '[a-z0-9_.-]*\.dll$' || true
         strings -a -el "$exe" | grep -i -o '[a-z0-9_.-]*\.dll$' || true) | tr 'A-Z' 'a-z' | sort -u)
for dll in $dlls; do
  case $dll in
    kernel32.dll|user32.dll|gdi32.dll|shell32.dll|msvcrt.dll) ;;
    *) fail "$exe imports from $dll" ;;
  esac
done

size=$(stat -c %s "$exe")
[ "$size" -le $((256 * 1024)) ] || fail "$exe is $size bytes, more than 256 KiB"

# VERSIONINFO strings are UTF-16: each value follows its name.
value() { strings -el "$exe" | sed -n "/^$1\$/{n;p;q}"; }
version=$(value ProductVersion)
revision=$(value SourceRevision)
tool_hash=$(value ToolDefinitionSHA256)
head=$(git -C "$root" rev-parse HEAD)
original=$(value OriginalFilename)
[ "$original" = "$(basename "$exe")" ] || fail "OriginalFilename '$original' is not $(basename "$exe")"
[ -n "$version" ] || fail "no ProductVersion in the VERSIONINFO"
[ "${revision%-modified}" = "$head" ] || fail "SourceRevision '$revision' is not HEAD $head"
[ "$tool_hash" = "$(sha256sum "$definition" | cut -d' ' -f1)" ] || fail "ToolDefinitionSHA256 '$tool_hash' is not the hash of $definition"

[ $fails -eq 0 ] || exit 1
echo "$(basename "$exe"): $size bytes; imports $(echo $dlls | tr ' ' ','); version $version, revision $revision, tool definition sha256 $tool_hash"
