#!/bin/bash
# Builds both trees and runs every test: the platform-neutral core natively
# (clang, AddressSanitizer and UBSan, fuzz targets for a short run), and the
# DLL and the Windows tests under Wine, headless.
#
# The Windows tests leave a good part of the processors idle (waiting on
# Wine's servers and windows), so the native tree is built and tested while
# they run, on processor time nothing else wants (the idle scheduling
# class), and its output is kept in build/native-tests.log and shown once
# both are done (whole when it failed).  The Windows build itself keeps
# the processors busy and runs alone.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh || exit 1

jobs=$(nproc)
mkdir -p build/windows
native_log=build/native-tests.log
# Fails on the first step that fails; every line goes to the log.
native_side() {
    set -e
    chrt --idle -p 0 "$BASHPID" >/dev/null
    cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build build/native -j "$jobs"
    ctest --test-dir build/native --output-on-failure -j "$jobs"
}
# The Windows tests' bare Wine prefix (made once per build tree) is mostly
# waiting on Wine's first start: it is made while the trees build.
bash tools/wine/bare-prefix.sh build/windows/wineprefix-bare >build/windows/bare-prefix.log 2>&1 &
bare_prefix=$!

windows_status=0
cmake --no-warn-unused-cli -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null &&
    cmake --build build/windows -j "$jobs" || windows_status=$?
(native_side) >"$native_log" 2>&1 &
native=$!
wait "$bare_prefix" || { cat build/windows/bare-prefix.log >&2; windows_status=1; }
# Tests on the shared prefix take its lock and run one at a time; those in
# prefixes of their own (the demo, the installation) run beside them.
[ $windows_status -ne 0 ] || ctest --test-dir build/windows --output-on-failure -j "$jobs" || windows_status=$?
native_status=0
wait "$native" || native_status=$?

echo
if [ $native_status -ne 0 ]; then
    echo "Native build and tests failed ($native_log):"
    cat "$native_log"
else
    echo "Native build and tests ($native_log):"
    grep -E '^(100% tests passed|Total Test time)' "$native_log"
fi
[ $windows_status -eq 0 ] || echo "The Windows build or tests failed (above)."
[ $native_status -eq 0 ] && [ $windows_status -eq 0 ]
