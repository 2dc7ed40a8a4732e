#!/bin/bash
# Checks that every C and C++ source of the project is formatted by its
# .clang-format; lists the files that are not.  Run from the test run.
#
#   check_format.sh [source root]
set -uo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"
mapfile -t files < <(find src tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) | sort)
# Many files to one clang-format: one per file took a minute and a half on
# a loaded machine.  Each finding names its file ("file:line:col: error:").
findings=$(printf '%s\0' "${files[@]}" |
    xargs -0 -n 64 -P "$(nproc)" clang-format --dry-run --Werror 2>&1 >/dev/null)
status=$?
mapfile -t unformatted < <(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*/\1/p' <<<"$findings" | sort -u)
if [ $status -ne 0 ] && [ ${#unformatted[@]} -eq 0 ]; then
    echo "clang-format failed:" >&2
    echo "$findings" >&2
    exit 1
fi
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted by .clang-format (run clang-format -i on them):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "${#files[@]} files formatted"
