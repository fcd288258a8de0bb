#!/usr/bin/env bash
# Builds and runs the benchmarks (not part of the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench -j "$(nproc)"
for b in build/bench/bench/bench_*; do
  [ -x "$b" ] && "$b" "$@"
done
