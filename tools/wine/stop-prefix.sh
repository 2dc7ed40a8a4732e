#!/bin/bash
# Ends the Wine server of a build tree's prefix and with it every helper.
#   stop-prefix.sh <prefix directory>
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$(realpath -m "$1")"
wineserver -k </dev/null >/dev/null 2>&1 || true
