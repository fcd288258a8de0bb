#!/usr/bin/env bash
# The window as a screen reader meets it: the real velmora under Xvfb, with a
# session bus and the AT-SPI registry, played with the keyboard alone (xdotool
# key) while the board is read over AT-SPI, as Orca reads it. Every square is
# checked against velmora-script's board after the same clicks.
#
#   atspi_e2e.sh VELMORA_BINARY VELMORA_SCRIPT_BINARY
set -uo pipefail
app=$(realpath "$1")
script_app=$(realpath "$2")
work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "atspi: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES WAYLAND_DISPLAY
mkdir -p "$work/game"
# pyatspi belongs to the system's Python, whatever python3 the PATH finds first.
dbus-run-session -- /usr/bin/python3 "$(dirname "$(realpath "$0")")/atspi_e2e.py" "$app" "$script_app" "$work/game"
