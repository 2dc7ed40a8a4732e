#!/bin/bash
# Runs one Windows test program in a fresh copy of the bare prefix, for tests
# that must start from a machine without the driver; the copy is removed
# afterwards.
#
#   run-in-fresh-prefix.sh <bare prefix> <copy to make> <program.exe> [arguments...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bare=$(realpath "$1")
copy=$(realpath -m "$2")
shift 2

rm -rf "$copy" "$copy.lock"
mkdir -p "$(dirname "$copy")"
cp -a "$bare" "$copy" || exit 1
"$here/run-test.sh" "$copy" "$@"
status=$?
"$here/stop-prefix.sh" "$copy"
rm -rf "$copy" "$copy.lock"
exit $status
