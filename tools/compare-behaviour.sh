#!/bin/bash
# Compares what two builds of pdr7300ui.dll do: runs the behaviour recorder
# (bin/pdr-record-behaviour.exe of the Windows build tree) with each DLL in
# English, German and French, in a throwaway copy of the tree's test prefix
# with a server of its own, and compares the records byte for byte.  One
# more English run of the new DLL must repeat its first record exactly, or
# the records cannot be trusted.
#
#   tools/compare-behaviour.sh OLD_DLL NEW_DLL
#
# Exit status: 0 identical; 1 the records differ (the first differences are
# printed) or a run did not repeat itself; 2 wrong arguments; 3 the recorder,
# the prefix or a run failed.
#
# PDR_BUILD_DIR    the Windows build tree (default build/windows), whose
#                  prefix a test run has prepared (ctest -R wine_prefix_setup)
# PDR_COMPARE_KEEP a folder to keep the records in
# PDR_COMPARE_LANGUAGES  the languages to compare (default "en de fr"), for
#                  a quicker look; the determinism run is always English
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${PDR_BUILD_DIR:-$root/build/windows}")
recorder="$build/bin/pdr-record-behaviour.exe"
shared="$build/wineprefix"
shown_pairs=8
languages=${PDR_COMPARE_LANGUAGES:-en de fr}

if [ $# -ne 2 ] || [ ! -f "$1" ] || [ ! -f "$2" ]; then
    echo "usage: compare-behaviour.sh OLD_DLL NEW_DLL (both existing files)" >&2
    exit 2
fi
if [ ! -f "$recorder" ] || [ ! -f "$shared/.pdr-ready" ]; then
    echo "compare-behaviour: build $build and prepare its prefix first:" >&2
    echo "  cmake --build $build && ctest --test-dir $build -R wine_prefix_setup" >&2
    exit 3
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/pdr-compare.XXXXXX")
copy="$work/prefix"
source "$root/tools/wine/wine-env.sh" "$shared"

end_copy() {
    WINEPREFIX="$copy" wineserver -k </dev/null >/dev/null 2>&1 || true
    WINEPREFIX="$copy" wineserver -w </dev/null >/dev/null 2>&1 || true
    if [ -n "${PDR_COMPARE_KEEP:-}" ]; then
        mkdir -p "$PDR_COMPARE_KEEP" && cp "$work"/*.txt "$PDR_COMPARE_KEEP"/ 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap end_copy EXIT
trap 'exit 130' INT TERM HUP

# The shared server keeps the installed printer in memory until it ends;
# ending it writes the registry out before the copy.  The prefix's lock
# keeps a test run from preparing it meanwhile.
(
    flock 9
    wineserver -k 9>&- </dev/null >/dev/null 2>&1 || true
    wineserver -w 9>&- </dev/null >/dev/null 2>&1 || true
    cp -a "$shared" "$copy"
) 9>"$shared.lock" || { echo "compare-behaviour: cannot copy $shared" >&2; exit 3; }
export WINEPREFIX="$copy"
wineserver -p </dev/null >/dev/null 2>&1

mkdir -p "$work/old" "$work/new"
cp "$1" "$work/old/pdr7300ui.dll"
cp "$2" "$work/new/pdr7300ui.dll"

windows_path() { echo "Z:${1//\//\\}"; }

# record <which: old|new> <language: en|de|fr> <record file>
record() {
    local locale
    case $2 in
        de) locale=de_DE.UTF-8 ;;
        fr) locale=fr_FR.UTF-8 ;;
        *) locale=C.UTF-8 ;;
    esac
    local started=$SECONDS
    if ! LC_ALL=$locale wine "$recorder" --dll "$(windows_path "$work/$1/pdr7300ui.dll")" \
        --out "$(windows_path "$3")" </dev/null >"$work/run.log" 2>&1 || [ ! -s "$3" ]; then
        echo "compare-behaviour: the recorder failed with the $1 DLL in $2:" >&2
        cat "$work/run.log" >&2
        exit 3
    fi
    echo "  $1 $2: $(grep -o '^[0-9]* observations' "$work/run.log") in $((SECONDS - started)) s"
}

# show_differences <first record> <second record>: how many lines differ in
# which part of the record, then the first pairs of differing lines; a long
# line (a record's bytes) is shown from its start and around the column
# where the pair first differs.
show_differences() {
    echo "  $(diff "$1" "$2" | grep -c '^<') lines of the first record and" \
        "$(diff "$1" "$2" | grep -c '^>') of the second differ; by part (both records):"
    diff "$1" "$2" | grep '^[<>]' | cut -d' ' -f2-3 | sort | uniq -c | sed 's/^/  /'
    diff -U0 "$1" "$2" | awk -v pairs="$shown_pairs" '
        function window(line, column,   from) {
            if (length(line) <= 240)
                return line
            from = column > 80 ? column - 80 : 1
            return substr(line, 1, 80) " ... (column " column ") " substr(line, from, 160) " ..."
        }
        function flush(   i, a, b, column) {
            for (i = 1; i <= removed || i <= added; i++) {
                if (shown++ >= pairs)
                    return
                a = before[i]; b = after[i]
                for (column = 1; column <= length(a) && substr(a, column, 1) == substr(b, column, 1); column++)
                    ;
                if (i <= removed) print "  - " window(a, column)
                if (i <= added) print "  + " window(b, column)
            }
        }
        /^@@/ { flush(); removed = 0; added = 0; next }
        /^-/ && !/^---/ { before[++removed] = substr($0, 2); next }
        /^\+/ && !/^\+\+\+/ { after[++added] = substr($0, 2); next }
        END { flush() }'
}

status=0
for language in $languages; do
    record old $language "$work/old-$language.txt"
    record new $language "$work/new-$language.txt"
    if cmp -s "$work/old-$language.txt" "$work/new-$language.txt"; then
        echo "$language: identical"
    else
        echo "$language: DIFFERENT"
        show_differences "$work/old-$language.txt" "$work/new-$language.txt"
        status=1
    fi
done

# Last, so that it also shows that no run changed what the next one sees.
record new en "$work/new-en-again.txt"
if cmp -s "$work/new-en.txt" "$work/new-en-again.txt"; then
    echo "determinism: a second run of the new DLL repeated its record"
else
    echo "determinism: a second run of the new DLL recorded something else; the records cannot be compared"
    show_differences "$work/new-en.txt" "$work/new-en-again.txt"
    status=1
fi

if [ $status -eq 0 ]; then
    echo "identical"
fi
exit $status
