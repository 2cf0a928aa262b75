#!/usr/bin/env bash
# The window tests on a small ward screen: 1366 x 768 with a 40 px taskbar leaves a work area of
# 1366 x 728, where the windows must open whole in their compact layout. A virtual display without a
# window manager has no taskbar and Wine takes the whole screen as the work area, so the display here
# is the work area's size. Runs every exe of the family and the scenarios of the 40-input form.
#   window_small_screen.sh NATIVE_WINDOW_REFERENCE E2E_DRIVER.exe EXE_LIST MEDTOOL.exe MEDTOOL_WIDE.exe \
#                          MEDTOOL_NO_INPUT.exe MEDTOOL_KINDS.exe ARTIFACTS_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
reference=$1 driver=$2 list=$3 artifacts=$8
# A prefix and display of its own, beside the test run's (which stay as they are for the other tests).
source "$here/../../scripts/wine-env.sh"
wine_env_start 1366x728
trap wine_env_stop EXIT
mkdir -p "$artifacts/small-screen"
status=0
bash "$here/window_family.sh" "$reference" "$driver" "$list" "$artifacts/small-screen" || status=1
wine "$driver" "$4" "$5" "$6" "$7" "$artifacts/small-screen" "kinds: forty" || status=1
exit $status
