#!/bin/bash
# Long runs by hand, never part of the test run (each takes minutes), on the
# Windows tree's prefix (prepared by a test run first):
#
#   long-run.sh saves [saves (10000)] [store|tool (store)]
#       <saves> alternating saves while a thread of the test process and a
#       second process read the catalogue in tight loops; the file is checked
#       after every save and the figures printed.  "store" saves through
#       SaveLabelCatalogue in the test process (about 40 saves a second),
#       "tool" runs pdr-labels for each (about one a second).
#   long-run.sh reopen [opens (50)] [dpi...] (96 144)
#       The printing preferences opened <opens> times in one process, every
#       page visited, at each dpi given (above 96 in a copy of the prefix
#       through run-at-dpi.sh); the GDI objects before and after are printed
#       and must match.  The test run makes ten opens at 96 dpi.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
prefix=$root/build/windows/wineprefix
bin=$root/build/windows/bin
usage() {
    echo "usage: long-run.sh saves [saves] [store|tool] | reopen [opens] [dpi...]" >&2
    exit 2
}
[ $# -ge 1 ] || usage
run=$1
shift
bash tools/wine/prepare-prefix.sh "$prefix" build/windows/package >/dev/null
log=$(mktemp)
trap 'rm -f "$log"; bash tools/wine/stop-prefix.sh "$prefix"' EXIT
status=0
case "$run" in
    saves)
        saves=${1:-10000}
        writer=${2:-store}
        # Output to a file: Wine's helper processes would keep a pipe open.
        (source tools/wine/wine-env.sh "$prefix" &&
            PDR_SAVE_COMMANDS=$saves PDR_SAVE_WRITER=$writer \
                wine "$bin/labels_cli_wine_tests.exe" --gtest_filter='SavesUnderReaders.*' \
                </dev/null >"$log" 2>&1) || status=$?
        grep -E 'saves|reader|Failure|FAILED' "$log" || true
        ;;
    reopen)
        opens=${1:-50}
        [ $# -le 1 ] || shift
        dpis=("$@")
        [ ${#dpis[@]} -gt 0 ] || dpis=(96 144)
        program=$bin/preferences_reopen_test.exe
        for dpi in "${dpis[@]}"; do
            if [ "$dpi" = 96 ]; then
                PDR_REOPEN_OPENS=$opens bash tools/wine/run-test.sh "$prefix" "$program" >"$log" 2>&1 ||
                    status=1
            else
                PDR_REOPEN_OPENS=$opens bash tests/wine/high_dpi/run-at-dpi.sh "$prefix" "$dpi" "$program" \
                    >"$log" 2>&1 || status=1
            fi
            grep -E 'opens in|Failure|FAILED|Which is|Expected' "$log" || true
        done
        ;;
    *) usage ;;
esac
exit $status
