#!/bin/bash
# The demo's headless path after a display run that was killed outright:
# a copy of the test prefix left on Wine's x11 graphics driver at 120 dpi,
# with a server still up that started so, and no display.  The demo must
# save every page of both sheets, say so, and leave the prefix on the null
# driver at 96 dpi.
#
#   headless_after_x11_test.sh <test prefix> <folder with the built programs> <work folder>
set -uo pipefail
source "$(dirname "$0")/demo_session.sh"

copy_test_prefix
in_copy wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f
in_copy wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f
in_copy wineserver -k
in_copy wineserver -w
saved_screen_is "$prefix" x11 120 || fail "the copy could not be put on the x11 driver at 120 dpi"
in_copy wineserver -p

run headless demo || fail "the headless demo failed on a prefix left on the x11 driver"
check_every_page_saved headless "$pages/en"
saved_screen_is "$prefix" null 96 || fail "the demo did not leave the prefix on the null driver at 96 dpi"
echo "the headless demo saved all ${#demo_pictures[@]} pages on a prefix left on the x11 driver at 120 dpi"
