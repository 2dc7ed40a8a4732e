#!/bin/bash
# The demo's display path ended from outside while the printing preferences
# are open on an X server of the test's own (Xvfb), in a copy of the test
# prefix at 120 dpi: a signal to the demo's whole process group (as a closing
# terminal or a killed session sends it), the prefix's server stopped under
# it, or both one after the other.  The run must end, with a status other
# than 0 after a signal, and the prefix must be on the null driver at 96 dpi
# again; with "then-headless" the next headless run must also save every
# page.
#
# The cases run one after the other on one display and one copy of the
# prefix: each display run puts the prefix on the x11 driver at 120 dpi
# itself before its sheet appears, so what a case finds afterwards is what
# its own clean-up left.  Between cases the copy's server is stopped and the
# display must be free of the host's windows.  Every case runs even when
# one fails; the test fails naming each case that failed.
#
#   display_interrupted_test.sh <test prefix> <folder with the built programs> <work folder>
#                               <case>...
#   case: <TERM|INT|HUP|none>,<stop-server|keep-server>[,then-headless]
set -uo pipefail
source "$(dirname "$0")/demo_session.sh"

# A case's name for messages and its log folder, e.g. "SIGTERM then server stopped".
case_title() {
    local signal=$1 server=$2
    if [ "$signal" = none ]; then
        echo "server stopped"
    elif [ "$server" = stop-server ]; then
        echo "SIG$signal then server stopped"
    else
        echo "SIG$signal"
    fi
}

# Waits until no window of the host is left on the display; false after the limit.
wait_for_no_host_window() {
    local deadline=$((SECONDS + 60))
    while [ -n "$(host_windows)" ]; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# One case, in a subshell of its own: its failure ends the case, and its
# runs and the copy's server end with it.
#   interrupt_display_run <TERM|INT|HUP|none> <stop-server|keep-server> [then-headless]
interrupt_display_run() (
    local signal=$1 server=$2 then_headless=${3:-} demo_pid status
    trap end_runs EXIT
    wait_for_no_host_window || fail "windows of the host were still on $display before the case"

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

    echo "$case_name: display run ended by signal $signal ($server), exit status $status;" \
        "prefix headless at 96 dpi again"
    [ "$then_headless" = then-headless ] || exit 0
    run headless demo || fail "the headless demo after the interrupted one failed"
    check_every_page_saved headless "$pages/en"
    echo "$case_name: the next headless run saved all ${#demo_pictures[@]} pages"
)

copy_test_prefix
start_own_display
failed=()
for case_fields in "$@"; do
    IFS=, read -r -a fields <<<"$case_fields"
    case_name=$(case_title "${fields[@]:0:2}")
    logs="$work/${case_name// /-}"
    rm -rf "$logs" && mkdir -p "$logs"
    interrupt_display_run "${fields[@]}" || failed+=("$case_name")
done
case_name=""
[ ${#failed[@]} -eq 0 ] || { printf 'FAIL: case "%s"\n' "${failed[@]}" >&2; exit 1; }
echo "all $# ways of ending the display run left the prefix headless at 96 dpi"
