#!/usr/bin/env bash
# Checks the lean, traceable exe: it imports only from kernel32, user32, gdi32, shell32 and msvcrt; it
# is at most 512 KiB; its VERSIONINFO names the product version, the source revision it was built from
# (the work tree's HEAD) and the SHA-256 of the tool definition file.
#   scripts/check-exe.sh build/win/medtool.exe [definition file, default engine/tool_builtin.cpp]
set -euo pipefail
exe=$1
definition=${2:-$(dirname "$0")/../engine/tool_builtin.cpp}
fails=0
fail() { echo "FAIL: $*" >&2; fails=$((fails + 1)); }

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
[ "$size" -le $((512 * 1024)) ] || fail "$exe is $size bytes, more than 512 KiB"

# VERSIONINFO strings are UTF-16: each value follows its name.
value() { strings -el "$exe" | sed -n "/^$1\$/{n;p;q}"; }
version=$(value ProductVersion)
revision=$(value SourceRevision)
tool_hash=$(value ToolDefinitionSHA256)
head=$(git -C "$(dirname "$0")/.." rev-parse HEAD)
[ -n "$version" ] || fail "no ProductVersion in the VERSIONINFO"
[ "${revision%-modified}" = "$head" ] || fail "SourceRevision '$revision' is not HEAD $head"
[ "$tool_hash" = "$(sha256sum "$definition" | cut -d' ' -f1)" ] || fail "ToolDefinitionSHA256 '$tool_hash' is not the hash of $definition"

[ $fails -eq 0 ] || exit 1
echo "$exe: $size bytes; imports $(echo $dlls | tr ' ' ','); version $version, revision $revision, tool definition sha256 $tool_hash"
