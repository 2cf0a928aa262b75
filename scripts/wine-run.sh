#!/usr/bin/env bash
# Runs a Windows executable under Wine in the prefix that scripts/wine-env.sh prepared (CTest's
# emulator for the cross build).
set -eu
: "${WINEPREFIX:?run through scripts/test.sh, which prepares a private Wine prefix}"
export WINEDEBUG=-all
exec wine "$@"
