#!/bin/bash
# Runs one Windows test program under a Wine server that reads a higher dpi,
# in a copy of the build tree's prefix, so that the shared prefix and every
# other test keep the base dpi.  Wine reads LogPixels when its server
# starts: the copy gets the value, then its own fresh server.
#
#   run-at-dpi.sh <prefix directory> <dpi> <program.exe> [arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine_tools="$here/../../../tools/wine"
shared=$(realpath -m "$1")
dpi=$2
shift 2
copy="$shared-dpi$dpi"

source "$wine_tools/wine-env.sh" "$shared"
# The shared server keeps the installed printer in memory until it ends;
# ending it writes the registry out before the copy.  The next test starts
# it again.
wineserver -k </dev/null >/dev/null 2>&1 || true
wineserver -w </dev/null >/dev/null 2>&1 || true

end_copy() {
    WINEPREFIX="$copy" wineserver -k </dev/null >/dev/null 2>&1 || true
    WINEPREFIX="$copy" wineserver -w </dev/null >/dev/null 2>&1 || true
    rm -rf "$copy"
}
trap end_copy EXIT
rm -rf "$copy"
cp -a "$shared" "$copy"

export WINEPREFIX="$copy"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
wineserver -k </dev/null >/dev/null 2>&1 || true
wineserver -w </dev/null >/dev/null 2>&1 || true
bash "$wine_tools/run-test.sh" "$copy" "$@"
