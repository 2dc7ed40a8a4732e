#!/bin/bash
# A long run by hand of the saves test, never part of the test run: <saves>
# alternating saves while a thread of the test process and a second process
# read the catalogue in tight loops; the file is checked after every save and
# the figures printed.  "store" saves through SaveLabelCatalogue in the test
# process (about 40 saves a second), "tool" runs pdr-labels for each (about
# one a second).  Uses the Windows tree's prefix.
#
#   saves-long-run.sh [saves (10000)] [store|tool (store)]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
saves=${1:-10000}
writer=${2:-store}
bash tools/wine/prepare-prefix.sh build/windows/wineprefix build/windows/bin >/dev/null
log=$(mktemp)
trap 'rm -f "$log"; bash tools/wine/stop-prefix.sh build/windows/wineprefix' EXIT
status=0
# Output to a file: Wine's helper processes would keep a pipe open.
(source tools/wine/wine-env.sh "$root/build/windows/wineprefix" &&
    PDR_SAVE_COMMANDS=$saves PDR_SAVE_WRITER=$writer \
        wine build/windows/bin/labels_cli_wine_tests.exe --gtest_filter='SavesUnderReaders.*' \
        </dev/null >"$log" 2>&1) || status=$?
grep -E 'saves|reader|Failure|FAILED' "$log" || true
exit $status
