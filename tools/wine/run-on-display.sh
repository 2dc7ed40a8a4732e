#!/bin/bash
# Runs a Windows program of a prefix on the X display in DISPLAY, as real
# windows, and leaves the prefix on the null graphics driver again, as the
# tests expect it, when the program ends, fails or the run is interrupted.
#
#   DISPLAY=:0 run-on-display.sh <prefix directory> <program.exe> [arguments...]
#
# A wineserver keeps the graphics driver it started with for every process
# it serves, so the server is ended after each switch: before the program,
# so that its windows reach the display, and after it, so that the next
# program is headless again.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
display=${DISPLAY:-}
if [ -z "$display" ] || [ $# -lt 2 ]; then
    echo "usage: DISPLAY=<display> run-on-display.sh <prefix directory> <program.exe> [arguments...]" >&2
    exit 2
fi
source "$here/wine-env.sh" "$(realpath -m "$1")"
shift

quietly() { "$@" </dev/null >/dev/null 2>&1; }
end_server() {
    quietly wineserver -k
    quietly wineserver -w
}
use_graphics() {
    quietly wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$1" /f
}
back_to_headless() {
    trap - EXIT INT TERM HUP
    end_server
    use_graphics null
    end_server
}

trap back_to_headless EXIT
trap 'exit 130' INT TERM HUP
use_graphics x11
# Without a window manager's say, each closing top-level window stalls.
quietly wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
end_server
# In the background, so that a signal ends the wait at once and the trap
# takes the program down with its server.
DISPLAY=$display wine "$@" </dev/null &
wait $!
