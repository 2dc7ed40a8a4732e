#!/bin/bash
# The demo's display path, as a person meets it: tools/demo.sh with DISPLAY
# set to an X server started here (Xvfb), in a copy of the test prefix.
# Both sheets must appear as mapped top-level windows on that display with
# their pages drawn, each must close on the Escape key typed on the display,
# and the prefix must be headless again afterwards.
#
#   display_demo_test.sh <test prefix> <folder with the built programs> <work folder>
set -uo pipefail
source "$(dirname "$0")/demo_session.sh"

# The window as the X server has it: the picture's size must be the
# window's and it must hold a drawn page, not one flat colour.
check_capture() {
    local id=$1 picture=$2 size
    size=$(host_windows | awk -v id="$id" '$1 == id { print $2 }')
    import -display "$display" -window "$id" "$picture" || fail "cannot capture window $id"
    [ "$(identify -format '%wx%h' "$picture")" = "$size" ] ||
        fail "$picture is $(identify -format '%wx%h' "$picture"), the window $size"
    [ "$(identify -format '%k' "$picture")" -ge 32 ] || fail "$picture is blank"
    [ "${size%x*}" -ge 350 ] && [ "${size#*x}" -ge 300 ] || fail "window $id is only $size"
}
# Escape as typed on the display; again if the window missed the first one
# because it had not taken the keyboard yet.
press_escape() {
    local id=$1
    for _ in 1 2 3; do
        DISPLAY=$display xdotool key Escape
        for _ in $(seq 50); do
            xwininfo -display "$display" -id "$id" >/dev/null 2>&1 || return 0
            sleep 0.1
        done
    done
    fail "window $id did not close on Escape"
}

copy_test_prefix
start_own_display
rm -f "$work"/*.png
start_run host demo DISPLAY="$display"
demo_pid=$run_pid

preferences=$(wait_for_sheet none "$demo_pid") || fail "the printing preferences never appeared on $display"
check_capture "$preferences" "$work/preferences.png"
press_escape "$preferences"
properties=$(wait_for_sheet "$preferences" "$demo_pid") || fail "the printer properties never appeared on $display"
check_capture "$properties" "$work/properties.png"
press_escape "$properties"

wait_for_group_end "$demo_pid" 60 || fail "the demo did not end after both sheets closed"
wait "$demo_pid"
status=$?
[ $status -eq 0 ] || fail "the demo ended with status $status"
grep -q 'Printing preferences closed without changes' "$work/host.out" ||
    fail "the cancelled preferences were reported as a record"
grep -q 'Installed options:' "$work/host.out" || fail "the printer properties did not finish"
saved_screen_is "$prefix" null 96 || fail "the prefix was not left on the null driver at 96 dpi"
echo "display test passed on $display: preferences $(identify -format '%wx%h' "$work/preferences.png")," \
    "properties $(identify -format '%wx%h' "$work/properties.png")"
