#!/bin/bash
# The main job: builds the driver package, installs it with pdr-setup.exe
# and the demo printer "PDR-7300 Zr" (the installation seeds the label
# catalogue from the package's sample stock file), sets the driver's version
# value in a private Wine prefix (build/demo/wineprefix), and opens the printing
# preferences and then the printer properties the way a Windows program
# does.  After OK it prints the settings record that came out.
#
# With a display (DISPLAY set) the sheets open for you to use.  Without one
# every page of both sheets is saved as a PNG in build/demo/pages instead,
# and the run fails, naming the pages, if any page was not saved.
# PDR_DEMO_LANGUAGE=de or fr shows the German or French user interface;
# PDR_DEMO_DPI=144 (or 120, 192, ...) a screen of that many dots per inch.
# PDR_DEMO_PREFIX and PDR_DEMO_PAGES put the prefix and the pages elsewhere;
# PDR_DEMO_PROGRAMS=<folder> runs the programs already built there, with no
# setup and no build, and installs the package beside it (<folder>/../package,
# or PDR_DEMO_PACKAGE).
#
# Each run sets the prefix's screen up for itself, whatever an earlier run
# left behind, and leaves it headless at 96 dpi, as the tests expect it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# Read before wine-env.sh, which hides the display from every Wine script
# that does not ask for it.
display=${DISPLAY:-}
dpi=${PDR_DEMO_DPI:-96}
if ! [[ "$dpi" =~ ^[1-9][0-9]{1,2}$ ]] || [ "$dpi" -lt 96 ] || [ "$dpi" -gt 480 ]; then
    echo "PDR_DEMO_DPI must be a number of dots per inch from 96 to 480, not \"$dpi\"" >&2
    exit 2
fi
language=${PDR_DEMO_LANGUAGE:-en}
source tools/demo/pages.sh

if [ -n "${PDR_DEMO_PROGRAMS:-}" ]; then
    bindir=$(realpath "$PDR_DEMO_PROGRAMS")
else
    bash tools/setup.sh >/dev/null
    windows_build=${PDR_WINDOWS_BUILD:-build/windows}
    cmake --no-warn-unused-cli -S . -B "$windows_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
    cmake --build "$windows_build" -j "$(nproc)" --target pdr_driver_package pdr-preferences >/dev/null
    bindir=$(realpath "$windows_build/bin")
fi
package=$(realpath "${PDR_DEMO_PACKAGE:-$bindir/../package}")

prefix=$(realpath -m "${PDR_DEMO_PREFIX:-build/demo/wineprefix}")
# The demo shows the driver as freshly installed: without a catalogue, the
# installation seeds it from the package's stock file (the sample catalogue).
rm -f "$prefix/drive_c/ProgramData/PDR7300Zr/label-list.kmr"
tools/wine/prepare-prefix.sh "$prefix" "$package" >/dev/null
source tools/wine/wine-env.sh "$prefix"

case "$language" in
    de) export LC_ALL=de_DE.UTF-8 ;;
    fr) export LC_ALL=fr_FR.UTF-8 ;;
    *) export LC_ALL=C.UTF-8 ;;
esac

quietly() { "$@" </dev/null >/dev/null 2>&1; }
# The host's own messages: what it printed besides the pictures it saved.
host_messages() { cat "$@" | tr -d '\r' | grep -v '^saved ' || true; }
quietly wine reg add 'HKLM\SOFTWARE\Pellucidor Systems\PDR-7300 Zr' /v Version /d 1.0.0 /f

if [ -n "$display" ]; then
    # run-on-display.sh sets the screen up and puts the prefix back itself,
    # however the run ends.
    DISPLAY=$display tools/wine/run-on-display.sh --dpi "$dpi" "$prefix" "$bindir/pdr-preferences.exe"
    exit
fi

pages=$(realpath -m "$(demo_pages_folder "$language" "$dpi")")
host_out=$(mktemp)
host_err=$(mktemp)
finish() {
    # Not cut short by a second signal: the prefix must end up headless.
    trap '' INT TERM HUP PIPE
    rm -f "$host_out" "$host_err"
    [ "$dpi" = 96 ] || tools/wine/use-screen.sh "$prefix" null 96
    quietly wineserver -k || true
}
trap finish EXIT
trap 'exit 130' INT TERM HUP

rm -rf "$pages" && mkdir -p "$pages"
tools/wine/use-screen.sh --write-first "$prefix" null "$dpi"
host_status=0
wine "$bindir/pdr-preferences.exe" --pictures "Z:${pages//\//\\}" </dev/null >"$host_out" 2>"$host_err" ||
    host_status=$?
for picture in "$pages"/*.bmp; do
    [ -e "$picture" ] || continue
    convert "$picture" "${picture%.bmp}.png" && rm "$picture"
done

missing=$(missing_pictures "$pages" png)
if [ $host_status -ne 0 ] || [ -n "$missing" ]; then
    {
        if [ -n "$missing" ]; then
            echo "No display: $(grep -c . <<<"$missing") of ${#demo_pictures[@]} pages were not saved in $pages:"
            sed 's/^/  /' <<<"$missing"
        fi
        echo "The preferences host ended with status $host_status and said:"
        host_messages "$host_out" "$host_err" | sed -n 's/^\(..*\)$/  \1/p'
    } >&2
    exit 1
fi
host_messages "$host_out" "$host_err"
echo
echo "No display: every page was saved as a PNG in $pages"
ls "$pages"
