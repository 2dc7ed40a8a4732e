#!/bin/bash
# The demo's display path, as a person meets it: the preferences host runs
# through run-on-display.sh on an X server started here (Xvfb), in a copy of
# the test prefix.  Both sheets must appear as mapped top-level windows on
# that display with their pages drawn, each must close on the Escape key
# typed on the display, and the prefix must be headless again afterwards.
#
#   display_demo_test.sh <test prefix> <folder with the built programs> <work folder>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tools=$(realpath "$here/../../../tools/wine")
fixture=$(realpath "$1")
bindir=$(realpath "$2")
work=$(realpath -m "$3")
prefix="$work/wineprefix"
mkdir -p "$work"

xvfb_pid=""
host_pid=""
clean_up() {
    # Ending the copy's server ends a host still waiting on a sheet; its
    # own trap then puts the prefix back on the null driver.
    "$tools/stop-prefix.sh" "$prefix"
    if [ -n "$host_pid" ]; then
        kill "$host_pid" 2>/dev/null
        wait "$host_pid" 2>/dev/null
    fi
    "$tools/stop-prefix.sh" "$prefix"
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$prefix"
}
trap clean_up EXIT
fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/host.out "$work"/host.err "$work"/xvfb.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; cat "$log" >&2; }
    done
    exit 1
}

# The copy starts from what the test prefix has on disk, so its server goes
# first; the next Wine test starts it again.
"$tools/stop-prefix.sh" "$fixture"
rm -rf "$prefix"
cp -a "$fixture" "$prefix" || fail "cannot copy the test prefix"

# Xvfb picks a free display number itself and writes it once it listens.
rm -f "$work/display" "$work"/*.png
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" </dev/null >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not report its display"
display=":$(head -n 1 "$work/display")"

DISPLAY=$display "$tools/run-on-display.sh" "$prefix" "$bindir/pdr-preferences.exe" \
    </dev/null >"$work/host.out" 2>"$work/host.err" &
host_pid=$!

# The host's named top-level windows on the display, one "id WxH name" a line.
host_windows() {
    xwininfo -display "$display" -root -children 2>/dev/null |
        sed -n 's/^ *\(0x[0-9a-f]*\) "\(.*\)": ("pdr-preferences.exe" .*)  \([0-9]*x[0-9]*\)+.*/\1 \3 \2/p' |
        grep -v ' Default IME$'
}
# Waits for a mapped window of the host other than the one given.
wait_for_sheet() {
    local previous=$1 id
    for _ in $(seq 300); do
        while read -r id _; do
            [ "$id" != "$previous" ] &&
                xwininfo -display "$display" -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' &&
                { echo "$id"; return 0; }
        done < <(host_windows)
        kill -0 "$host_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
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

preferences=$(wait_for_sheet none) || fail "the printing preferences never appeared on $display"
check_capture "$preferences" "$work/preferences.png"
press_escape "$preferences"
properties=$(wait_for_sheet "$preferences") || fail "the printer properties never appeared on $display"
check_capture "$properties" "$work/properties.png"
press_escape "$properties"

for _ in $(seq 200); do
    kill -0 "$host_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$host_pid" 2>/dev/null && fail "the host did not end after both sheets closed"
wait "$host_pid"
status=$?
host_pid=""
[ $status -eq 0 ] || fail "the host ended with status $status"
grep -q 'Printing preferences closed without changes' "$work/host.out" ||
    fail "the cancelled preferences were reported as a record"
grep -q 'Installed options:' "$work/host.out" || fail "the printer properties did not finish"
grep -A 3 '^\[Software\\\\Wine\\\\Drivers\]' "$prefix/user.reg" | grep -q '"Graphics"="null"' ||
    fail "the prefix was left on the X11 driver"
echo "display test passed on $display: preferences $(identify -format '%wx%h' "$work/preferences.png")," \
    "properties $(identify -format '%wx%h' "$work/properties.png")"
