#!/bin/bash
# The demo's display path ended from outside while the printing preferences
# are open on an X server of the test's own (Xvfb), in a copy of the test
# prefix at 120 dpi: a signal to the demo's whole process group (as a closing
# terminal or a killed session sends it), the prefix's server stopped under
# it, or both one after the other.  The run must end and the prefix must be
# on the null driver at 96 dpi again; with "then-headless" the next headless
# run must also save every page.
#
#   display_interrupted_test.sh <test prefix> <folder with the built programs> <work folder>
#                               <TERM|INT|HUP|none> <stop-server|keep-server> [then-headless]
set -uo pipefail
source "$(dirname "$0")/demo_session.sh"
signal=$1
server=$2
then_headless=${3:-}

copy_test_prefix
start_own_display
start_run display demo DISPLAY="$display" PDR_DEMO_DPI=120
demo_pid=$run_pid
wait_for_sheet none "$demo_pid" >/dev/null || fail "the printing preferences never appeared on $display"

[ "$signal" = none ] || kill -s "$signal" -- "-$demo_pid"
[ "$server" = keep-server ] || "$tools/stop-prefix.sh" "$prefix"
# The clean-up gives each Wine step a limit of its own; this is well above them.
wait_for_group_end "$demo_pid" 150 || fail "the display run did not end (signal $signal, $server)"
wait "$demo_pid"
status=$?
[ $status -ne 0 ] || [ "$signal" = none ] || fail "the interrupted demo ended with status 0"
saved_screen_is "$prefix" null 96 ||
    fail "the prefix was left with Graphics $(saved_user_value "$prefix" 'Software\Wine\Drivers' Graphics)" \
        "and LogPixels $(saved_user_value "$prefix" 'Control Panel\Desktop' LogPixels)"

echo "display run ended by signal $signal ($server), exit status $status; prefix headless at 96 dpi again"
[ "$then_headless" = then-headless ] || exit 0
run headless demo || fail "the headless demo after the interrupted one failed"
check_every_page_saved headless "$pages/en"
echo "the next headless run saved all ${#demo_pictures[@]} pages"
