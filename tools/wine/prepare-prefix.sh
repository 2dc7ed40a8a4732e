#!/bin/bash
# Creates (once) the private Wine prefix of a build tree and installs the
# freshly built driver with its demo printer into it.
#
#   prepare-prefix.sh <prefix directory> <folder with the built programs>
#
# Wine's helper processes (services, explorer, the spooler's RPC server)
# outlive the programs that start them and inherit their descriptors.  Every
# Wine command here therefore runs with its output in a file and without
# the lock descriptor, so neither a caller's pipe nor the lock stays held.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(realpath -m "$1")
bindir=$(realpath "$2")
source "$here/wine-env.sh" "$prefix"

log=$(mktemp)
trap 'rm -f "$log"' EXIT

quietly() {
    if ! "$@" 9>&- </dev/null >"$log" 2>&1; then
        echo "failed: $*" >&2
        cat "$log" >&2
        return 1
    fi
}

create_prefix() {
    rm -rf "$prefix"
    mkdir -p "$prefix"
    quietly wineboot -i
    quietly wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
    quietly wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    # A crash prints two lines instead of a long backtrace.
    quietly wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /d '' /f
    quietly wineserver -w
    # Debian's Wine does not find its own fonts; dialogs need "MS Shell Dlg".
    cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
    touch "$prefix/.pdr-ready"
}

mkdir -p "$(dirname "$prefix")"
(
    flock 9
    [ -f "$prefix/.pdr-ready" ] || create_prefix
    # Keep one server up for the whole run; one may already be running.
    wineserver -p 9>&- </dev/null >/dev/null 2>&1 || true
    # Wine shows the Unix root as drive Z:.
    quietly wine "$bindir/pdr-install-printer.exe" "Z:${bindir//\//\\}"
) 9>"$prefix.lock"
echo "Wine prefix ready: $prefix"
