#!/bin/bash
# Puts a prefix's screen in place for the next program: Wine's graphics
# driver (null without a display, x11 for an X display) and the dots per
# inch, and ends the prefix's server, so that the next program starts a
# fresh one that reads them (a running server keeps the driver and dpi it
# started with).
#
#   use-screen.sh [--write-first] <prefix directory> <null|x11> <dpi>
#
# --write-first writes the values before ending the server: through the
# caller's server when it is up, which spares starting one only to write
# them (a second or so).  Only where nothing else is ending that server: a
# program that connects to an ending server waits until its time limit.
#
# The values count once the prefix's registry file holds them: a server
# stopped from outside before it wrote them out loses them, so they are
# written again until the file has them.  Fails, saying so, if it never does.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
write_first=""
if [ "${1:-}" = --write-first ]; then
    write_first=1
    shift
fi
if [ $# -ne 3 ] || ! [[ "$2" =~ ^(null|x11)$ ]] || ! [[ "$3" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: use-screen.sh [--write-first] <prefix directory> <null|x11> <dpi>" >&2
    exit 2
fi
source "$here/wine-env.sh" "$(realpath -m "$1")"
source "$here/saved-screen.sh"
driver=$2
dpi=$3

# A Wine program that connects while its server is being stopped can wait
# for an answer forever; a limit well above the slowest start seen on a
# loaded machine lets the next attempt go on.
quietly() { timeout -k 10 60 "$@" </dev/null >/dev/null 2>&1; }
end_server() {
    quietly wineserver -k
    quietly wineserver -w
}
# One import for all three values.  Managed: without a window manager's
# say, each closing top-level window on an X display stalls.
values=$(mktemp --suffix=.reg)
trap 'rm -f "$values"' EXIT
# A signal ends the run after the Wine step under way (each runs in a process
# group of its own under timeout), so no step is left writing behind it.
trap 'exit 130' INT TERM HUP
printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Drivers]' "\"Graphics\"=\"$driver\"" '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
    '[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=$(printf 'dword:%08x' "$dpi")" >"$values"
write_screen() {
    # Wine shows the Unix root as drive Z:.
    quietly wine reg import "Z:${values//\//\\}"
}

# Ending the server first writes out what it holds, so the file is current.
[ -z "$write_first" ] || write_screen
for _ in 1 2 3 4 5; do
    end_server
    saved_screen_is "$WINEPREFIX" "$driver" "$dpi" && exit 0
    write_screen
done
end_server
saved_screen_is "$WINEPREFIX" "$driver" "$dpi" && exit 0
echo "use-screen: $WINEPREFIX did not keep the $driver graphics driver at $dpi dpi" >&2
exit 1
