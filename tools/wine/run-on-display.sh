#!/bin/bash
# Runs a Windows program of a prefix on the X display in DISPLAY, as real
# windows, and leaves the prefix on the null graphics driver at 96 dpi again,
# as the tests expect it, however the run ends: the program ending or
# failing, SIGINT, SIGTERM or SIGHUP (to this script or its whole process
# group), or the prefix's server stopped under it.
#
#   DISPLAY=:0 run-on-display.sh [--dpi <dpi>] <prefix directory> <program.exe> [arguments...]
#
# A wineserver keeps the graphics driver it started with for every process
# it serves, so use-screen.sh ends the server after each switch: before the
# program, so that its windows reach the display, and after it, so that the
# next program is headless again.  A run killed outright (SIGKILL) leaves
# the prefix on the x11 driver; the next run of either kind sets the screen
# it needs itself.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
display=${DISPLAY:-}
dpi=96
if [ "${1:-}" = --dpi ]; then
    dpi=${2:-}
    shift 2 || true
fi
if [ -z "$display" ] || [ $# -lt 2 ] || ! [[ "$dpi" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: DISPLAY=<display> run-on-display.sh [--dpi <dpi>] <prefix directory> <program.exe> [arguments...]" >&2
    exit 2
fi
prefix=$(realpath -m "$1")
shift
source "$here/wine-env.sh" "$prefix"

back_to_headless() {
    local status=$?
    # The clean-up runs to its end whatever else arrives: a second signal
    # (a closing terminal sends several) or a reader gone from a pipe.
    trap '' INT TERM HUP PIPE
    trap - EXIT
    "$here/use-screen.sh" "$prefix" null 96 || status=1
    exit $status
}
trap back_to_headless EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
# The caller's server (an installation, a registry value) is usually still up.
"$here/use-screen.sh" --write-first "$prefix" x11 "$dpi" || exit 1
# In the background, so that a signal ends the wait at once and the trap
# takes the program down with its server.
DISPLAY=$display wine "$@" </dev/null &
wait $!
