#!/bin/bash
# Creates (once) the private Wine prefix of a build tree and installs the
# freshly built driver package with its demo printer into it, the way an
# administrator does: pdr-setup.exe from the package.
#
#   prepare-prefix.sh <prefix directory> <driver package folder>
#
# The prefix starts as a copy of a bare one (Wine set up, no driver) kept
# beside it as <prefix>-bare, which the installation tests copy as well, or
# the one PDR_BARE_PREFIX names (the demo's tests give the test prefix's,
# so that no copy of a copy makes a bare prefix of its own).
#
# Wine's helper processes (services, explorer, the spooler's RPC server)
# outlive the programs that start them and inherit their descriptors.  Every
# Wine command here therefore runs with its output in a file and without
# the lock descriptor, so neither a caller's pipe nor the lock stays held.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(realpath -m "$1")
package=$(realpath "$2")
bare=$(realpath -m "${PDR_BARE_PREFIX:-$prefix-bare}")

log=$(mktemp)
trap 'rm -f "$log"' EXIT

quietly() {
    if ! "$@" 9>&- </dev/null >"$log" 2>&1; then
        echo "failed: $*" >&2
        cat "$log" >&2
        return 1
    fi
}

mkdir -p "$(dirname "$prefix")"
(
    flock 9
    # The bare prefix is made even when this one is ready: a build tree whose
    # prefix predates it still needs it for the installation tests.
    "$here/bare-prefix.sh" "$bare" 9>&-
    if [ ! -f "$prefix/.pdr-ready" ]; then
        rm -rf "$prefix"
        cp -a "$bare" "$prefix"
    fi
    source "$here/wine-env.sh" "$prefix"
    # Keep one server up for the whole run; one may already be running.
    wineserver -p 9>&- </dev/null >/dev/null 2>&1 || true
    # Wine shows the Unix root as drive Z:.
    quietly wine "$package/pdr-setup.exe" --package "Z:${package//\//\\}"
) 9>"$prefix.lock"
echo "Wine prefix ready: $prefix"
