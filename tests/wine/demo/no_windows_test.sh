#!/bin/bash
# The demo's headless path when the preferences host can create no window:
# in a copy of the test prefix without Wine's desktop process (explorer.exe
# disabled), where the host opens no sheet, saves no page and still ends
# with status 0.  The demo must fail, show what the host said and name
# every missing page, and must not claim that the pages were saved.
#
#   no_windows_test.sh <test prefix> <folder with the built programs> <work folder>
set -uo pipefail
source "$(dirname "$0")/demo_session.sh"

copy_test_prefix
in_copy wine reg add 'HKCU\Software\Wine\DllOverrides' /v explorer.exe /d '' /f

run headless demo && fail "the demo succeeded although the host could open no window"
for entry in "${demo_pictures[@]}"; do
    grep -q "^  ${entry%%|*}.png\$" "$work/headless.err" || fail "the missing page ${entry%%|*} was not named"
done
grep -q "^No display: ${#demo_pictures[@]} of ${#demo_pictures[@]} pages were not saved in $pages/en:\$" \
    "$work/headless.err" || fail "the demo did not say that no page was saved"
grep -q '^  Printing preferences closed without changes\.' "$work/headless.err" ||
    fail "the host's own messages were not shown"
grep -q 'every page was saved' "$work/headless.out" "$work/headless.err" &&
    fail "the demo claimed every page was saved"
echo "the demo failed as it should and named all ${#demo_pictures[@]} missing pages"
