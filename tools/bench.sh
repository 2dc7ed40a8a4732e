#!/bin/bash
# Builds the benchmarks in a Release tree without sanitizers and runs them.
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
