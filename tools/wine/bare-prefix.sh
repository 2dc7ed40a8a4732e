#!/bin/bash
# Creates (once) a bare Wine prefix for the project: Wine set up headless,
# with fonts, without the driver.  Other prefixes start as copies of it,
# which takes a second or two instead of a fresh prefix's ten.
#
#   bare-prefix.sh <prefix directory>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(realpath -m "$1")
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
    # Copies are made from the files on disk: the server writes them out as it ends.
    quietly wineserver -w
    # Debian's Wine does not find its own fonts; dialogs need "MS Shell Dlg".
    cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
    touch "$prefix/.pdr-ready"
}

mkdir -p "$(dirname "$prefix")"
(
    flock 9
    [ -f "$prefix/.pdr-ready" ] || create_prefix
) 9>"$prefix.lock"
