# Sourced by the Wine scripts and tests: the screen settings of a prefix as
# its registry file holds them, which is what the next server starts from.
# A running server may hold newer values in memory; it writes them out when
# it ends.

# Prints a value of HKEY_CURRENT_USER as user.reg has it (for example
# "null" with its quotes, or dword:00000060), or nothing.
#   saved_user_value <prefix directory> <key> <value name>
saved_user_value() {
    # user.reg doubles the backslashes of key names; a key's values follow
    # its "[key] time" line up to the next blank line.
    SECTION="[${2//\\/\\\\}]" NAME="\"$3\"=" awk '
        index($0, ENVIRON["SECTION"] " ") == 1 || $0 == ENVIRON["SECTION"] { inside = 1; next }
        /^$/ { inside = 0 }
        inside && index($0, ENVIRON["NAME"]) == 1 { print substr($0, length(ENVIRON["NAME"]) + 1); exit }
    ' "$1/user.reg" 2>/dev/null
}

# True when the prefix's registry file has Wine's graphics driver and the
# dots per inch given (no LogPixels value is Wine's default, 96).
#   saved_screen_is <prefix directory> <null|x11> <dpi>
saved_screen_is() {
    local logpixels
    logpixels=$(saved_user_value "$1" 'Control Panel\Desktop' LogPixels)
    [ "$(saved_user_value "$1" 'Software\Wine\Drivers' Graphics)" = "\"$2\"" ] &&
        { [ "$logpixels" = "$(printf 'dword:%08x' "$3")" ] || { [ -z "$logpixels" ] && [ "$3" = 96 ]; }; }
}
