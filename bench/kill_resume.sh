#!/usr/bin/env bash
# The game in play survives kill -9: the real window under Xvfb, played with
# real clicks from xdotool, killed with SIGKILL at a random moment of a move
# again and again. Each round starts the window in the same folder, answers
# "前回の対局を続けますか？" with Yes, makes one to three moves of a long game
# between two people, and kills the window a random 0 to 24 ms after the last
# click was sent: before, while or after the window makes and keeps that
# move. The game the next start would take up is read back through
# velmora-script --autosave (on a copy of the folder) and compared with the
# game after the last move the window was making or had finished, and with
# the game a move before it: the window's writer writes the file a few
# milliseconds after the click, on a thread of its own, so a kill in those
# milliseconds leaves the change before it (whole, never torn).
# Prints one line a round and the counts: resumes at the last move, resumes
# a move before it (the last move unfinished, or finished but not yet
# written), and any other.
#
#   bench/kill_resume.sh VELMORA VELMORA_SCRIPT GAME_SCRIPT [ROUNDS]
#
# GAME_SCRIPT is a script of "menu START" and then clicks, two a move (the
# corpus' record_full_at_500.txt). Not a test: it takes over a second a
# round.
set -uo pipefail

app=$(realpath "$1")
script_app=$(realpath "$2")
game_script=$(realpath "$3")
rounds=${4:-500}
patience=30
work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

wait_for() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.02
  done
}

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
wait_for "$patience" test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=:$(cat "$work/display")
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 SDL_AUDIODRIVER=velmora-kill-none
unset LANGUAGE LC_ALL LC_MESSAGES WAYLAND_DISPLAY

# The clicks of the game, two a move.
mapfile -t clicks < <(grep '^click ' "$game_script")
moves=$((${#clicks[@]} / 2))
# The game's state after each number of moves, as velmora-script plays it:
# the fields a kept game must give back (the clocks run on real time in the
# window, so they are left out).
state_of() { tr ' ' '\n' <<<"$1" | grep -E '^(teban|syousya|tesuu|max|ban|sita|ue)=' | tr '\n' ' '; }
states=()
while IFS= read -r line; do states+=("$(state_of "$line")"); done < <(
  {
    echo "menu START"
    echo dump
    for ((m = 0; m < moves; m++)); do printf '%s\n%s\ndump\n' "${clicks[2 * m]}" "${clicks[2 * m + 1]}"; done
  } | (cd "$work" && "$script_app") | grep '^dump ')

game=$work/game
log=$work/window.log
# A fresh game kept at its second move, as velmora-script keeps it.
seed() {
  rm -rf "$game" && mkdir -p "$game"
  printf 'menu START\n%s\n%s\n%s\n%s\nkey 27\n' "${clicks[@]:0:4}" | (cd "$game" && "$script_app" --autosave . >/dev/null)
}
# The game the next start would take up: its state, or nothing.
kept_state() {
  rm -rf "$work/check" && cp -r "$game" "$work/check"
  local out
  out=$(cd "$work/check" && printf 'answer yes\ndump\n' | "$script_app" --autosave . 2>/dev/null)
  grep -q '^box 前回の対局|前回の対局を続けますか？' <<<"$out" || return 0
  state_of "$(grep '^dump ' <<<"$out" | tail -1)"
}
tesuu_of() { tr ' ' '\n' <<<"$1" | sed -n 's/^tesuu=//p'; }

lines_seen=0
# Waits for the next "idle" line of the window's log, answering each box with
# its default button (Yes to the question of the kept game) once it has the keyboard.
settle() {
  local line box= end=$((SECONDS + patience))
  while ((SECONDS < end)); do
    while ((lines_seen < $(wc -l <"$log"))); do
      lines_seen=$((lines_seen + 1))
      line=$(sed -n "${lines_seen}p" "$log")
      case $line in
        "boxwindow "*) box=${line#boxwindow } ;;
        "box "*)
          wait_for "$patience" eval '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$box" ]' || return 1
          xdotool key Return
          end=$((SECONDS + patience))
          ;;
        "idle "*) return 0 ;;
      esac
    done
    sleep 0.02
  done
  return 1
}
view=()
point_at() {
  xdotool mousemove --sync $(awk -v x="$1" -v y="$2" -v ox="${view[1]}" -v oy="${view[2]}" -v s="${view[5]}" \
    'BEGIN { printf "%d %d\n", ox + int((1350 + 610 * (x + 0.5)) * s / 15), oy + int((100 + 690 * (y + 0.5)) * s / 15) }')
}
click_cell() { point_at "$1" "$2" && xdotool click 1; }

RANDOM=22
seed
matched=0 done_rounds=0 before_unfinished=0 before_unwritten=0
for ((round = 1; round <= rounds; round++)); do
  before=$(kept_state)
  n=$(tesuu_of "$before")
  if [ -z "$n" ] || ((n + 3 >= moves)); then
    seed
    before=$(kept_state)
    n=$(tesuu_of "$before")
  fi
  : >"$log"
  lines_seen=0
  (cd "$game" && VELMORA_E2E_LOG="$log" exec "$app") >"$work/app.out" 2>&1 &
  app_pid=$!
  settle || { echo "round $round: the window did not start" >&2; kill -9 "$app_pid"; app_pid=; continue; }
  wait_for "$patience" grep -q '^view ' "$log" || { echo "round $round: no view" >&2; exit 2; }
  read -r -a view < <(grep '^view ' "$log" | tail -1)
  k=$((1 + RANDOM % 3))
  for ((i = 0; i < k; i++)); do
    m=$((n + i))
    set -- ${clicks[2 * m]}
    click_cell "$2" "$3"
    settle || break
    set -- ${clicks[2 * m + 1]}
    if ((i + 1 < k)); then
      click_cell "$2" "$3"
      settle || break
    else
      # The last click is not waited for: the kill falls a random 0 to 24 ms
      # after it was sent, before, while or after the window makes the move.
      point_at "$2" "$3"
      xdotool click 1 &
      sleep "0.$(printf %03d $((RANDOM % 25)))"
    fi
  done
  kill -9 "$app_pid"
  wait $! 2>/dev/null
  wait "$app_pid" 2>/dev/null
  app_pid=
  # Whether the window had finished the last move when it was killed: it
  # logs "idle" once a click has been handled.
  finished=0
  tail -n +$((lines_seen + 1)) "$log" | grep -q '^idle ' && finished=1
  after=$(kept_state)
  got=$(tesuu_of "$after")
  last=$((n + k))
  verdict=MISMATCH
  if [ "$after" = "${states[last]}" ]; then
    verdict=match
    matched=$((matched + 1))
  elif [ "$after" = "${states[last - 1]}" ]; then
    verdict="a move before"
    if [ "$finished" = 0 ]; then
      before_unfinished=$((before_unfinished + 1))
    else
      before_unwritten=$((before_unwritten + 1))
    fi
  fi
  done_rounds=$((done_rounds + 1))
  echo "round $round: from move $n, $k moves, last finished=$finished, came back at move ${got:-none}: $verdict"
done
echo "kill_resume: of $done_rounds resumes, $matched at the last move made or being made," \
  "$((before_unfinished + before_unwritten)) a move before it ($before_unfinished killed while the last one" \
  "was being made, $before_unwritten after it was made but before it was written)," \
  "$((done_rounds - matched - before_unfinished - before_unwritten)) otherwise"
