#!/usr/bin/env bash
# Measures the window's speed on this machine, side by side with a minimal
# Qt 6 window: time from exec to the first painted frame and peak memory of
# both (median of several runs, on an Xvfb screen), and the median time of
# a full redraw (画面_再描画) into the back buffer, and the window's memory as
# a player steps through a long record. Not a test: it prints.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target velmora velmora-minimal-window velmora-script >/dev/null

runs=${RUNS:-9}
app=build/release/src/app/velmora
minimal=build/release/src/app/velmora-minimal-window
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display
# A sound device that is always there, so start-up runs the whole sound path
# and no warning box waits for an answer.
export SDL_AUDIODRIVER=dummy

# One run: prints "<ms to first frame> <peak KiB>".
measure() {
  local start end peak
  start=$(date +%s%N)
  (cd "$work" && VELMORA_MEASURE_FIRST_FRAME=1 timeout 30 /usr/bin/time -f "%M" -o "$work/time" \
     "$OLDPWD/$1" >"$work/out" 2>/dev/null </dev/null) || true
  end=$(awk '/^first-frame-ns/ {print $2}' "$work/out")
  peak=$(tail -1 "$work/time")
  echo "$(( (end - start) / 1000 ))e-3 $peak"
}

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

: >"$work/app"; : >"$work/min"
for _ in $(seq "$runs"); do
  measure "$minimal" >>"$work/min"
  measure "$app" >>"$work/app"
done
app_ms=$(awk '{print $1}' "$work/app" | median)
min_ms=$(awk '{print $1}' "$work/min" | median)
app_kib=$(awk '{print $2}' "$work/app" | median)
min_kib=$(awk '{print $2}' "$work/min" | median)
redraw=$(cd "$work" && VELMORA_MEASURE_REDRAW=500 timeout 60 "$OLDPWD/$app" 2>/dev/null | awk '/redraw-median-ms/ {print $2}')

# A record of 500 moves, stepped through 510 times forward and back in a wide
# English window: the window's memory after loading and after each run.
(cd "$work" && grep -v '^#' "$OLDPWD/tests/scripts/record_full_at_500.txt" | head -n 1001 &&
  printf 'menu KIFU_WRITE\nset Text1 long\ndir .\npress Command1\n') >"$work/long.txt"
(cd "$work" && "$OLDPWD/build/release/src/script/velmora-script" long.txt >/dev/null)
stepping=$(python3 bench/window_step_memory.py "$app" "$work/long.棋譜" 510 | paste -sd ';' | sed 's/;/; /g')

awk -v a="$app_ms" -v m="$min_ms" -v ak="$app_kib" -v mk="$min_kib" -v r="$redraw" -v n="$runs" 'BEGIN {
  printf "first painted frame (median of %d): velmora %.1f ms, minimal Qt window %.1f ms, ratio %.2f (target <= 1.5)\n", n, a, m, a / m
  printf "peak memory (median): velmora %.1f MB, minimal Qt window %.1f MB, difference %.1f MB (target <= 40)\n", ak / 1024, mk / 1024, (ak - mk) / 1024
  printf "full redraw into the back buffer (median of 500): %.3f ms (target <= 5)\n", r
}'
echo "window memory stepping through a 500-move record, 1400x700, English: $stepping"
