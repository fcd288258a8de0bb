#!/usr/bin/env bash
# Sets up, builds and runs every test: a normal configuration (engine, game,
# script corpus, window and sound tests), an AddressSanitizer +
# UndefinedBehaviorSanitizer configuration of the engine and game tests, and a
# ThreadSanitizer configuration of the sound library and of the file formats
# (among them the writer that replaces files on a thread of its own). The normal
# configuration builds the benchmarks too (it does not run them), so that a
# benchmark that no longer builds fails here.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
status=0

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_GUI=ON -DVELMORA_SOUND=ON \
  -DVELMORA_SANITIZE=OFF -DVELMORA_SANITIZE_THREAD=OFF -DVELMORA_BENCH=ON >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs" || status=1

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON \
  -DVELMORA_GUI=OFF -DVELMORA_SOUND=OFF -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs" || status=1

cmake -S . -B build/threads -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_SANITIZE_THREAD=ON \
  -DVELMORA_GUI=OFF -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/threads -j "$jobs" --target sound_library_tests formats_tests
ctest --test-dir build/threads --output-on-failure -R '^(sound_library_tests|formats_tests)$' || status=1

if [ "$status" -ne 0 ]; then
  echo "velmora: some tests failed" >&2
fi
exit "$status"
