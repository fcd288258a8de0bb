#!/usr/bin/env bash
# End to end on a real X server: starts the real velmora under Xvfb and
# plays it with real input from xdotool, as a player would. After each step
# it takes a screenshot and checks it by its pixels; it checks the record
# file and Velmora.ini on disk. The window logs where its menus, boxes and
# lists stand (VELMORA_E2E_LOG), so clicks find them whatever the font.
#
#   e2e.sh VELMORA_BINARY ARTIFACT_DIR
#
# The screenshots of a failing run are kept in ARTIFACT_DIR (of every run
# with VELMORA_E2E_KEEP=1).
set -uo pipefail

app=$(realpath "$1")
artifacts=$2
work=$(mktemp -d)
shots=$work/shots
mkdir -p "$shots"
rm -rf "$artifacts"

xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "e2e: FAIL: $*" >&2
  shot "failure" || true
  mkdir -p "$artifacts"
  cp -r "$shots"/. "$artifacts"/
  [ -f "$log" ] && cp "$log" "$artifacts"/window.log
  echo "e2e: screenshots kept in $artifacts" >&2
  exit 1
}
step() { echo "e2e: $*"; }

# ---- the X server -----------------------------------------------------------
exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 2560x1440x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
export QT_QPA_PLATFORM=xcb
# No sound device, whatever the machine has: the start-up warning is answered.
export SDL_AUDIODRIVER=velmora-e2e-none
unset WAYLAND_DISPLAY

# ---- driving the window ------------------------------------------------------
log=$work/window.log
mark=0
shot_n=0

new_lines() { tail -n +$((mark + 1)) "$log" 2>/dev/null; }
set_mark() { mark=$(wc -l <"$log" 2>/dev/null || echo 0); }

# Waits for a line matching REGEX after the mark; prints it.
wait_new() {
  local i line
  for ((i = 0; i < ${2:-15} * 20; i++)); do
    line=$(new_lines | grep -E "$1" | tail -1)
    if [ -n "$line" ]; then
      echo "$line"
      return 0
    fi
    sleep 0.05
  done
  return 1
}

click() { xdotool mousemove --sync "$1" "$2" click "${3:-1}"; }

boxes=()
# Waits until the handler that is running has ended, answering each box it
# opens with its default button (OK, or はい) and keeping its text.
settle() {
  local seen=$mark i line n
  for ((i = 0; i < ${1:-30} * 20; i++)); do
    n=$(wc -l <"$log")
    while ((seen < n)); do
      seen=$((seen + 1))
      line=$(sed -n "${seen}p" "$log")
      case $line in
        "box "*)
          boxes+=("${line#box }")
          sleep 0.2
          xdotool key Return
          ;;
        "idle "*)
          mark=$seen
          return 0
          ;;
      esac
    done
    sleep 0.05
  done
  return 1
}

saw_box() {
  local b
  for b in "${boxes[@]}"; do [ "$b" = "$1" ] && return 0; done
  return 1
}

# Opens the menu bar caption NAME, then the items given, one level each.
menu() {
  set_mark
  local line
  line=$(wait_new "^menubar $1 " 1 || grep -E "^menubar $1 " "$log" | tail -1)
  [ -n "$line" ] || fail "no menu caption $1"
  set -- "$@"
  local caption=$1
  shift
  set_mark
  set -- $line "$@"
  click "$3" "$4"
  shift 4
  while [ $# -gt 0 ]; do
    line=$(wait_new "^menu $1 ") || fail "menu item $1 did not show under $caption"
    set -- $line "${@:2}"
    set_mark
    click "$3" "$4"
    shift 4
  done
  settle || fail "the menu command did not end"
}

# Screen pixel of the centre of board cell (x, y).
view_x=0 view_y=0 scale=1
cell_px() {
  awk -v x="$1" -v y="$2" -v ox="$view_x" -v oy="$view_y" -v s="$scale" \
    'BEGIN { printf "%d %d\n", ox + int((1350 + 610 * (x + 0.5)) * s / 15), oy + int((100 + 690 * (y + 0.5)) * s / 15) }'
}
board_click() {
  set_mark
  click $(cell_px "$1" "$2") "${3:-1}"
  settle || fail "the click on ($1, $2) did not end"
}
move() {
  board_click "$1" "$2"
  board_click "$3" "$4"
}

shot() {
  shot_n=$((shot_n + 1))
  last_shot=$(printf "%s/%02d-%s.png" "$shots" "$shot_n" "$1")
  import -window root "$last_shot"
}

# The inside of cell (x, y) of a screenshot, as a PNG file.
crop_cell() {
  local l t
  read -r l t < <(awk -v x="$2" -v y="$3" -v ox="$view_x" -v oy="$view_y" -v s="$scale" \
    'BEGIN { printf "%d %d\n", ox + int((1350 + 610 * x) * s / 15 + 0.5), oy + int((100 + 690 * y) * s / 15 + 0.5) }')
  local w h
  w=$(awk -v s="$scale" 'BEGIN { printf "%d", 34 * s }')
  h=$(awk -v s="$scale" 'BEGIN { printf "%d", 38 * s }')
  local inset
  inset=$(awk -v s="$scale" 'BEGIN { printf "%d", 3 * s + 0.5 }')
  convert "$1" -crop "${w}x${h}+$((l + inset))+$((t + inset))" +repage "$4"
}

# Whether cell (x, y) of shot A looks exactly like cell (u, v) of shot B.
same_cell() {
  crop_cell "$1" "$2" "$3" "$work/a.png"
  crop_cell "$4" "$5" "$6" "$work/b.png"
  local diff
  diff=$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1)
  [ "$diff" = 0 ]
}

# Whether the area of cells (x1..x2, y1..y2) of a shot holds colour #RRGGBB.
has_colour() {
  local l t r b
  read -r l t r b < <(awk -v x1="$2" -v y1="$3" -v x2="$4" -v y2="$5" -v ox="$view_x" -v oy="$view_y" -v s="$scale" \
    'BEGIN { printf "%d %d %d %d\n", ox + (1350 + 610 * x1) * s / 15, oy + (100 + 690 * y1) * s / 15, ox + (1350 + 610 * (x2 + 1)) * s / 15, oy + (100 + 690 * (y2 + 1)) * s / 15 }')
  convert "$1" -crop "$((r - l))x$((b - t))+$l+$t" +repage -format %c histogram:info:- | grep -qi "#$6"
}

start_app() {
  : >"$log"
  mark=0
  (cd "$work/game" && VELMORA_E2E_LOG="$log" exec "$app") >"$work/app.out" 2>&1 &
  app_pid=$!
  # Form_Load: with no sound device it warns first.
  settle 20 || fail "the window did not finish starting"
  local line
  line=$(grep -E "^view " "$log" | tail -1)
  for _ in $(seq 100); do
    [ -n "$line" ] && break
    sleep 0.05
    line=$(grep -E "^view " "$log" | tail -1)
  done
  [ -n "$line" ] || fail "the window did not show"
  set -- $line
  view_x=$2 view_y=$3 scale=$6
  sleep 0.3
}

quit_with_escape() {
  xdotool key Escape
  for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || { app_pid=; return 0; }
    sleep 0.05
  done
  fail "Escape did not end the program"
}

mkdir -p "$work/game"

# ---- a game between two people -------------------------------------------------
step "start"
start_app
saw_box "Velmora.dll|Direct Soundインターフェースが作成できません。" || fail "no warning about the missing sound device (saw: ${boxes[*]})"
shot start
start=$last_shot
same_cell "$start" 5 9 "$start" 5 9 || fail "cannot read the screenshots"
has_colour "$start" 1 0 9 0 FFFF00 || fail "the column numbers are not shown"
has_colour "$start" 10 1 10 9 FFFF00 || fail "the row numerals are not shown"
same_cell "$start" 4 7 "$start" 3 7 || fail "two pawns of the bottom row do not look alike"
same_cell "$start" 4 3 "$start" 7 3 || fail "two pawns of the top row do not look alike"
if same_cell "$start" 3 7 "$start" 3 5; then fail "a pawn looks like an empty square"; fi

step "対局 → 対局(人間) → スタート"
menu TAIKYOKU MATCH_MAN START
saw_box " |先手の番です" || fail "no 先手の番です box (saw: ${boxes[*]})"

step "a pawn and its mirror move"
move 3 7 3 6
shot pawn
same_cell "$last_shot" 3 6 "$start" 4 7 || fail "the pawn is not on (3, 6)"
same_cell "$last_shot" 3 7 "$start" 3 5 || fail "(3, 7) is not empty after the move"
same_cell "$last_shot" 7 4 "$start" 7 3 || fail "the mirror pawn is not on (7, 4)"
same_cell "$last_shot" 7 3 "$start" 3 5 || fail "(7, 3) is not empty after the mirror move"
has_colour "$last_shot" 12 2 14 3 FFFFFF || fail "the move text and counter are not shown"

step "the window filling a 2560 × 1440 screen"
set_mark
xdotool windowsize "$(xdotool search --name '^Velmora$' | head -1)" 2560 1440
line=$(wait_new "^view ") || fail "the window did not take the new size"
set -- $line
view_x=$2 view_y=$3 scale=$6
expected=$(awk -v w="$4" -v h="$5" 'BEGIN { s = w / 727; if (h / 573 < s) s = h / 573; print s }')
awk -v a="$scale" -v b="$expected" 'BEGIN { exit !(a > 2 && (a - b) ^ 2 < 1e-9) }' ||
  fail "the picture's scale is $scale, not $expected of the ${4}x${5} client area"
shot large
large=$last_shot
same_cell "$large" 4 7 "$large" 5 7 || fail "two pawns do not look alike at the large scale"
has_colour "$large" 1 0 9 0 FFFF00 || fail "the column numbers are not shown at the large scale"
move 5 3 5 4
shot large-move
same_cell "$last_shot" 5 4 "$large" 6 3 || fail "the top pawn is not on (5, 4) at the large scale"
same_cell "$last_shot" 5 6 "$large" 4 7 || fail "the mirror pawn is not on (5, 6) at the large scale"
same_cell "$last_shot" 5 7 "$large" 5 5 || fail "(5, 7) is not empty after the mirror move at the large scale"

step "Escape"
quit_with_escape

# ---- against the computer --------------------------------------------------------
step "a fresh start: 対局 → 対局(COM) → 先手"
start_app
menu TAIKYOKU START2 SENTE
saw_box " |MANの番です" || fail "no MANの番です box (saw: ${boxes[*]})"
shot com-start
com_start=$last_shot

step "two moves against the computer"
move 3 7 3 6
shot com-move1
same_cell "$last_shot" 3 6 "$start" 4 7 || fail "the first pawn is not on (3, 6)"
# The computer answered: some top piece stands where it did not.
changed=0
for x in 1 2 3 4 5 6 7 8 9; do
  for y in 1 2 3 4 5; do
    same_cell "$last_shot" $x $y "$com_start" $x $y || changed=$((changed + 1))
  done
done
[ "$changed" -ge 2 ] || fail "the computer did not move"
after_first=$last_shot
second=
for m in "1 7 1 6" "9 7 9 6" "5 7 5 6" "6 7 6 6" "4 7 4 6" "2 7 2 6"; do
  set -- $m
  same_cell "$after_first" $1 $2 "$start" 4 7 || continue
  same_cell "$after_first" $3 $4 "$start" 3 5 || continue
  move $1 $2 $3 $4
  shot com-move2
  if same_cell "$last_shot" $3 $4 "$start" 4 7 && ! same_cell "$last_shot" $1 $2 "$start" 4 7; then
    second="$m"
    break
  fi
done
[ -n "$second" ] || fail "no second pawn move was taken"
after_second=$last_shot

step "戻"
menu REPLAY
shot replay
cmp -s <(convert "$last_shot" -crop 400x420+130+70 rgb:-) <(convert "$after_second" -crop 400x420+130+70 rgb:-) &&
  fail "戻 did not change the board"

step "save a record through the panel"
menu KIFU KIFU_WRITE
line=$(grep -E "^control Text1 " "$log" | tail -1)
[ -n "$line" ] || fail "the record panel did not show"
set -- $line
click "$3" "$4"
xdotool type --delay 20 "e2e"
set -- $(grep -E "^control Text2 " "$log" | tail -1)
click "$3" "$4"
xdotool type --delay 20 "match"
shot panel
set -- $(grep -E "^control Command1 " "$log" | tail -1)
set_mark
click "$3" "$4"
settle || fail "RETURN did not end"
saw_box "  |棋譜を書き込みました" || fail "no 棋譜を書き込みました box (saw: ${boxes[*]})"
record=$work/game/e2e.棋譜
[ -f "$record" ] || fail "the record file was not written"
lines=$(wc -l <"$record")
[ "$lines" -ge 4 ] || fail "the record has $lines lines"
[ "$(head -1 "$record" | tr -d '\r')" = "match" ] || fail "the record's title line is wrong"
[ "$(sed -n 4p "$record" | tr -d '\r' | awk '{ print length }')" = 358 ] || fail "a snapshot line is not 358 characters"
grep -q $'\r$' "$record" || fail "the record's lines do not end in CR LF"

step "load it through the browser"
menu KIFU KIFU_READ
line=$(grep -E "^row File1 e2e\.棋譜 " "$log" | tail -1)
[ -n "$line" ] || fail "the browser does not list e2e.棋譜"
set -- $line
set_mark
click "$4" "$5"
settle || fail "loading did not end"
saw_box "棋譜| 読み込みました" || fail "no 読み込みました box (saw: ${boxes[*]})"
saw_box "棋譜|棋譜を '進 'で進めて下さい" || fail "no 進 box (saw: ${boxes[*]})"
shot loaded
same_cell "$last_shot" 3 7 "$start" 3 7 || fail "loading did not set up the initial position"
menu AFTER
shot after
same_cell "$last_shot" 3 6 "$start" 4 7 || fail "進 did not show the first move of the record"

step "background from ｵﾌﾟｼｮﾝ"
menu OPTION HAIKEI_GA RENGA
shot renga
has_colour "$last_shot" 12 5 14 8 A4442C || fail "the brick background is not shown"
has_colour "$last_shot" -2 3 -2 6 963C26 || fail "the brick background is not shown left of the board"
[ -f "$work/game/Velmora.ini" ] || fail "Velmora.ini was not written"
iconv -f CP932 -t UTF-8 "$work/game/Velmora.ini" | grep -q "^背景画=煉瓦" || fail "Velmora.ini does not hold the brick background"

step "Escape"
quit_with_escape

if [ -n "${VELMORA_E2E_KEEP:-}" ]; then
  mkdir -p "$artifacts"
  cp -r "$shots"/. "$artifacts"/
  cp "$log" "$artifacts"/window.log
fi
echo "e2e: all steps passed"
