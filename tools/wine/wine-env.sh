# Sourced by the Wine scripts: the environment of the project's private
# prefix.  Usage: source wine-env.sh <prefix directory>
export WINEPREFIX="$1"
export WINEARCH=win64
# Quiet: no debug channels, no "wine32 is missing" notice.
export WINEDEBUG=-all
# No Mono or Gecko installers popping up during prefix creation.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Headless unless a caller asks for its display explicitly.
if [ -z "${PDR_WINE_DISPLAY:-}" ]; then
    unset DISPLAY WAYLAND_DISPLAY
fi
