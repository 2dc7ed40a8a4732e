# Sourced by the demo's tests, which CTest runs as
#   <test>.sh <test prefix> <folder with the built programs> <work folder> [arguments...]
# The pieces they share: a prefix of the test's own for the demo, a copy of
# the test prefix's bare one (Wine set up, no driver: the demo installs the
# driver as on a person's first run), so that no test waits for another or
# touches the shared prefix; tools/demo.sh run on that copy with this build
# tree's programs, an X server of the test's own, the preferences host's
# windows on it, and the clean-up of all of them.
# Waits poll for what they wait for, with generous limits.
root=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../..")
tools="$root/tools/wine"
fixture=$(realpath "$1")
bindir=$(realpath "$2")
work=$(realpath -m "$3")
shift 3
prefix="$work/wineprefix"
pages="$work/pages"
mkdir -p "$work"
source "$tools/saved-screen.sh"
source "$root/tools/demo/pages.sh"

xvfb_pid=""
display=""
# Runs started in the background, each ended with its process group.
background_runs=()

# Where run keeps a command's output and fail shows it from; a test of
# several cases gives each case a folder of its own.
logs="$work"
# The case under way in a test of several, named by fail.
case_name=""

# The runs started in the background end, and the copy's server and helpers.
end_runs() {
    local run
    for run in "${background_runs[@]}"; do
        kill -TERM -- "-$run" 2>/dev/null
        wait_for_group_end "$run" 120
        wait "$run" 2>/dev/null
    done
    background_runs=()
    "$tools/stop-prefix.sh" "$prefix"
    # Gone, not going: the next case's Wine programs must start a server of
    # their own, from what this one wrote out.
    WINEPREFIX="$prefix" timeout -k 10 120 wineserver -w </dev/null >/dev/null 2>&1
}

# Everything the test started ends with it, the copy's server and helpers too.
clean_up() {
    end_runs
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$prefix" "$prefix.lock"
}
trap clean_up EXIT

fail() {
    echo "FAIL${case_name:+ ($case_name)}: $*" >&2
    local log
    for log in "$logs"/*.out "$logs"/*.err "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; cat "$log" >&2; }
    done
    exit 1
}

# The bare prefix never changes once made, so copying it needs no lock and
# no server stopped.
copy_test_prefix() {
    rm -rf "$prefix" "$prefix.lock" "$prefix-bare" "$prefix-bare.lock"
    cp -a "$fixture-bare" "$prefix" || fail "cannot copy the bare test prefix"
}

# A Wine command in the copy, its output kept off CTest's pipe.
in_copy() {
    (
        source "$tools/wine-env.sh" "$prefix"
        "$@" </dev/null >/dev/null 2>&1
    )
}

# tools/demo.sh on the copy, with the programs of this build tree and the
# environment given (for example DISPLAY=:5 PDR_DEMO_DPI=120).
#   demo [VARIABLE=value...]
demo() {
    env -u DISPLAY PDR_DEMO_PREFIX="$prefix" PDR_DEMO_PAGES="$pages" PDR_DEMO_PROGRAMS="$bindir" \
        PDR_BARE_PREFIX="$fixture-bare" "$@" bash "$root/tools/demo.sh"
}

# A command with its output in <name>.out and <name>.err in the work folder.
#   run <name> <command> [arguments...]
run() {
    local name=$1
    shift
    "$@" </dev/null >"$logs/$name.out" 2>"$logs/$name.err"
}

# The same in the background, in a process group of its own as a terminal
# gives a job (so that SIGINT is not ignored in it).  Sets run_pid, which is
# also the group's id.
#   start_run <name> <command> [arguments...]
start_run() {
    set -m
    run "$@" &
    run_pid=$!
    set +m
    background_runs+=("$run_pid")
}

# Waits until no process of a group is left; false after the limit.
#   wait_for_group_end <group> <seconds>
wait_for_group_end() {
    local deadline=$((SECONDS + $2))
    while pgrep -g "$1" >/dev/null; do
        [ $SECONDS -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# An X server of the test's own: Xvfb picks a free display number itself and
# writes it once it listens.  Sets display.
start_own_display() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" </dev/null >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local deadline=$((SECONDS + 30))
    until [ -s "$work/display" ]; do
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
        [ $SECONDS -lt $deadline ] || fail "Xvfb did not report its display"
        sleep 0.1
    done
    display=":$(head -n 1 "$work/display")"
}

# The host's named top-level windows on the display, one "id WxH name" a line.
host_windows() {
    xwininfo -display "$display" -root -children 2>/dev/null |
        sed -n 's/^ *\(0x[0-9a-f]*\) "\(.*\)": ("pdr-preferences.exe" .*)  \([0-9]*x[0-9]*\)+.*/\1 \3 \2/p' |
        grep -v ' Default IME$'
}

# Prints the id of a mapped window of the host other than the one given,
# once there is one, while the run given is alive; false after three
# minutes (a demo run installs the driver and restarts Wine's server first).
#   wait_for_sheet <previous window id or none> <pid of the run>
wait_for_sheet() {
    local previous=$1 run=$2 id deadline=$((SECONDS + 180))
    while [ $SECONDS -lt $deadline ]; do
        while read -r id _; do
            [ "$id" != "$previous" ] &&
                xwininfo -display "$display" -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' &&
                { echo "$id"; return 0; }
        done < <(host_windows)
        kill -0 "$run" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# The headless demo saved every page of both sheets into the folder given.
#   check_every_page_saved <run name> <pages folder>
check_every_page_saved() {
    local missing
    missing=$(missing_pictures "$2" png)
    [ -z "$missing" ] || fail "$1: pages missing in $2: ${missing//$'\n'/ }"
    grep -q '^No display: every page was saved as a PNG in ' "$logs/$1.out" ||
        fail "$1: the demo did not report the saved pages"
}
