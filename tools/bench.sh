#!/bin/bash
# Builds the benchmarks in a Release tree without sanitizers and runs them,
# then the capability benchmark of the Windows tree under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh >/dev/null
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPDR_SANITIZE=OFF -DPDR_FUZZ=OFF >/dev/null
cmake --build build/bench -j "$(nproc)" --target pixel_adjust_bench devmode_merge_bench labels_cli_bench >/dev/null
for bench in build/bench/bin/*_bench; do
    "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done

# The catalogue through the DLL's exports under Wine, in the Windows tree's
# prefix, against the bare read and parse in the same process.
cmake --no-warn-unused-cli -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/windows -j "$(nproc)" --target capabilities_bench ticket_provider_bench >/dev/null
bash tools/wine/prepare-prefix.sh build/windows/wineprefix build/windows/package
report=$(mktemp)
trap 'rm -f "$report"; bash tools/wine/stop-prefix.sh build/windows/wineprefix' EXIT
# Output to a file: Wine's helper processes would keep a pipe open.
(source tools/wine/wine-env.sh "$root/build/windows/wineprefix" &&
    wine build/windows/bin/capabilities_bench.exe </dev/null >"$report" 2>&1)
cat "$report"
# The print ticket provider against MSXML parsing each call's document.
(source tools/wine/wine-env.sh "$root/build/windows/wineprefix" &&
    wine build/windows/bin/ticket_provider_bench.exe </dev/null >"$report" 2>&1)
cat "$report"
