# Sourced by the Wine scripts: the environment of the project's private
# prefix.  Usage: source wine-env.sh <prefix directory>
export WINEPREFIX="$1"
export WINEARCH=win64
# Quiet: no debug channels, no "wine32 is missing" notice.
export WINEDEBUG=-all
# No Mono or Gecko installers popping up during prefix creation.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Headless: the tests and scripts never reach a person's screen.  A program
# meant for the display runs through run-on-display.sh, which reads DISPLAY
# before this and hands it to that one program.
unset DISPLAY WAYLAND_DISPLAY
