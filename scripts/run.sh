#!/usr/bin/env bash
# Sets up, builds and starts Velmora.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_GUI=ON -DVELMORA_SOUND=ON >/dev/null
cmake --build build/release -j "$(nproc)"
if [ -x build/release/src/app/velmora ]; then
  exec build/release/src/app/velmora "$@"
fi
# Built without the window (VELMORA_GUI=OFF): the initial position as the headless runner sees it.
echo dump | build/release/src/script/velmora-script
