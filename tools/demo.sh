#!/bin/bash
# The main job: builds the driver, installs it with the demo printer
# "PDR-7300 Zr", a small label catalogue and the driver's version value into
# a private Wine prefix (build/demo/wineprefix), and opens the printing
# preferences and then the printer properties the way a Windows program
# does.  After OK it prints the settings record that came out.
#
# With a display (DISPLAY set) the sheets open for you to use.  Without one
# every page of both sheets is saved as a PNG in build/demo/pages instead.
# PDR_DEMO_LANGUAGE=de or fr shows the German or French user interface;
# PDR_DEMO_DPI=144 (or 120, 192, ...) a screen of that many dots per inch.
# The prefix is left headless at 96 dpi afterwards, as the tests expect it.
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
bash tools/setup.sh >/dev/null

windows_build=${PDR_WINDOWS_BUILD:-build/windows}
cmake --no-warn-unused-cli -S . -B "$windows_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build "$windows_build" -j "$(nproc)" --target pdr7300ui pdr7300-render-standin \
    pdr-install-printer pdr-preferences >/dev/null

prefix="$root/build/demo/wineprefix"
bindir="$root/$windows_build/bin"
tools/wine/prepare-prefix.sh "$prefix" "$bindir" >/dev/null
source tools/wine/wine-env.sh "$prefix"

catalogue="$prefix/drive_c/ProgramData/PDR7300Zr"
mkdir -p "$catalogue"
cp tools/demo/sample-labels.kmr "$catalogue/label-list.kmr"

case "${PDR_DEMO_LANGUAGE:-en}" in
    de) export LC_ALL=de_DE.UTF-8 ;;
    fr) export LC_ALL=fr_FR.UTF-8 ;;
    *) export LC_ALL=C.UTF-8 ;;
esac

quietly() { "$@" </dev/null >/dev/null 2>&1; }
quietly wine reg add 'HKLM\SOFTWARE\Pellucidor Systems\PDR-7300 Zr' /v Version /d 1.0.0 /f

# Programs take the dots per inch from a server started after the change.
use_dpi() {
    quietly wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f
    quietly wineserver -k
    quietly wineserver -w
}
if [ "$dpi" != 96 ]; then
    trap 'use_dpi 96' EXIT
    trap 'exit 130' INT TERM HUP
    use_dpi "$dpi"
fi

if [ -n "$display" ]; then
    DISPLAY=$display tools/wine/run-on-display.sh "$prefix" "$bindir/pdr-preferences.exe"
else
    pages="$root/build/demo/pages/${PDR_DEMO_LANGUAGE:-en}"
    [ "$dpi" = 96 ] || pages="$pages-${dpi}dpi"
    rm -rf "$pages" && mkdir -p "$pages"
    log="$pages/host.log"
    if ! wine "$bindir/pdr-preferences.exe" --pictures "Z:${pages//\//\\}" </dev/null 2>"$log" |
        { grep -v '^saved ' || true; }; then
        echo "The preferences host failed:" >&2
        cat "$log" >&2
        exit 1
    fi
    rm -f "$log"
    for picture in "$pages"/*.bmp; do
        convert "$picture" "${picture%.bmp}.png" && rm "$picture"
    done
    echo
    echo "No display: every page was saved as a PNG in $pages"
    ls "$pages"
fi
quietly wineserver -k || true
