#!/bin/bash
# The main job: builds the driver, installs it with the demo printer
# "PDR-7300 Zr", a small label catalogue and the driver's version value into
# a private Wine prefix (build/demo/wineprefix), and opens the printing
# preferences and then the printer properties the way a Windows program
# does.  After OK it prints the settings record that came out.
#
# With a display (DISPLAY set) the sheets open for you to use.  Without one
# every page of both sheets is saved as a PNG in build/demo/pages instead.
# PDR_DEMO_LANGUAGE=de or fr shows the German or French user interface.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
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

if [ -n "${DISPLAY:-}" ]; then
    export PDR_WINE_DISPLAY=1
    source tools/wine/wine-env.sh "$prefix"
    quietly wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f
    wine "$bindir/pdr-preferences.exe" </dev/null
    quietly wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
else
    pages="$root/build/demo/pages/${PDR_DEMO_LANGUAGE:-en}"
    rm -rf "$pages" && mkdir -p "$pages"
    wine "$bindir/pdr-preferences.exe" --pictures "Z:${pages//\//\\}" </dev/null 2>/dev/null |
        grep -v '^saved ' || true
    for picture in "$pages"/*.bmp; do
        convert "$picture" "${picture%.bmp}.png" && rm "$picture"
    done
    echo
    echo "No display: every page was saved as a PNG in $pages"
    ls "$pages"
fi
wineserver -k </dev/null >/dev/null 2>&1 || true
