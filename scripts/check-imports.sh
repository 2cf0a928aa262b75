#!/usr/bin/env bash
# Fails when a Windows executable imports a printf-, scanf- or strtod-family function, or one of the
# formula functions exp, log, log10 and pow, from msvcrt.dll: the system's msvcrt rounds, parses and
# computes numbers differently from the native build.
set -euo pipefail
exe=$1
dump=$(x86_64-w64-mingw32-objdump -p "$exe")
msvcrt=$(printf '%s\n' "$dump" | awk '/DLL Name:/ { in_msvcrt = (tolower($3) == "msvcrt.dll"); next } /^[[:space:]]*$/ { in_msvcrt = 0 } in_msvcrt && NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print $3 }')
bad=$(printf '%s\n' "$msvcrt" | grep -E -i '^_*(v?(s|sn|f|sw|snw|fw|w)?printf|v?(s|f|sw|fw|w)?scanf|strto(d|f|ld)|wcsto(d|f|ld)|_?atof|_?wtof|_strtod_l|_wcstod_l|exp|log|log10|pow)(_s|_l|_p)?$' || true)
if [ -n "$bad" ]; then
  echo "$exe imports number formatting, parsing or formula functions from msvcrt.dll:" >&2
  echo "$bad" >&2
  exit 1
fi
count=$(printf '%s\n' "$msvcrt" | grep -c . || true)
# No msvcrt.dll imports read means the dump was not understood, or another C runtime (the universal
# one) is linked: either way nothing above was checked.
if [ "$count" -eq 0 ]; then
  echo "$exe: no msvcrt.dll imports found; the C runtime it uses was not checked" >&2
  exit 1
fi
if printf '%s\n' "$dump" | grep -i -E 'DLL Name: *(ucrtbase|api-ms-win-crt-)' >/dev/null; then
  echo "$exe imports the universal C runtime, whose number functions this check does not cover" >&2
  exit 1
fi
echo "$exe: $count msvcrt.dll imports, none of them a printf, scanf, strtod or formula function"
