#!/bin/bash
# Builds both trees and runs every test: the platform-neutral core natively
# (clang, AddressSanitizer and UBSan, fuzz targets for a short run), then the
# DLL and the Windows tests under Wine, headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh

jobs=$(nproc)
# The Windows tests' bare Wine prefix (made once per build tree) is mostly
# waiting on Wine's first start: it is made while the trees build.
mkdir -p build/windows
bash tools/wine/bare-prefix.sh build/windows/wineprefix-bare >build/windows/bare-prefix.log 2>&1 &
bare_prefix=$!

cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

cmake --no-warn-unused-cli -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/windows -j "$jobs"
wait "$bare_prefix" || { cat build/windows/bare-prefix.log >&2; exit 1; }
# Tests on the shared prefix take its lock and run one at a time; those in
# prefixes of their own (the demo, the installation) run beside them.
ctest --test-dir build/windows --output-on-failure -j "$jobs"
