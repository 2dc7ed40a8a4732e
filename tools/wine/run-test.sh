#!/bin/bash
# Runs one Windows program under Wine in the build tree's prefix, as CTest's
# emulator.  The program's output goes to files first, so that Wine helper
# processes it starts cannot keep CTest's pipe open; then it is printed and
# the program's exit code passed on.
#
#   run-test.sh <prefix directory> <program.exe> [arguments...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$(realpath -m "$1")"
shift

out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wineserver -p </dev/null >/dev/null 2>&1
wine "$@" </dev/null >"$out" 2>"$err"
status=$?
cat "$out"
cat "$err" >&2
# A program killed from outside (a server shut down under it) can end with
# status 0; only a finished GoogleTest run counts as passed.
if [ $status -eq 0 ] && ! grep -q '^\[  PASSED  \]' "$out"; then
    echo "run-test: the program ended without its test summary" >&2
    exit 1
fi
exit $status
