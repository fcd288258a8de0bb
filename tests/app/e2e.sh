#!/usr/bin/env bash
# End to end on a real X server: starts the real velmora under Xvfb and
# plays it with real input from xdotool, as a player would. The window logs
# where its menus, boxes and lists stand, which widget has the keyboard, and
# when a handler has ended and the screen shows its result
# (VELMORA_E2E_LOG), so the test clicks what it means whatever the font and
# waits for conditions, never for a fixed time. The same events go to
# velmora-script, whose board is what every square on the screen must show;
# screenshots are checked by the pixels of the board's cells, wherever the
# picture stands and at any scale. It checks the record file and Velmora.ini
# on disk too.
#
#   e2e.sh VELMORA_BINARY VELMORA_SCRIPT_BINARY ARTIFACT_DIR
#
# The screenshots of a failing run are kept in ARTIFACT_DIR (of every run
# with VELMORA_E2E_KEEP=1). Every wait gives up after VELMORA_E2E_PATIENCE
# seconds (60).
set -uo pipefail

app=$(realpath "$1")
script_app=$(realpath "$2")
artifacts=$3
patience=${VELMORA_E2E_PATIENCE:-60}
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

keep_artifacts() {
  mkdir -p "$artifacts"
  cp -r "$shots"/. "$artifacts"/
  [ -f "$log" ] && cp "$log" "$artifacts"/window.log
  [ -f "$events" ] && cp "$events" "$artifacts"/events.txt
}
fail() {
  echo "e2e: FAIL: $*" >&2
  shot "failure" || true
  keep_artifacts
  echo "e2e: screenshots kept in $artifacts" >&2
  exit 1
}
step() { echo "e2e: $*"; }

# Runs COMMAND until it succeeds; false when SECONDS pass first.
wait_for() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.05
  done
}

# ---- the X server -----------------------------------------------------------
exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 2560x1440x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
wait_for "$patience" test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
export QT_QPA_PLATFORM=xcb
# Japanese, whatever language the machine speaks, until the English part asks for English.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
# No sound device, whatever the machine has: the start-up warning is answered.
export SDL_AUDIODRIVER=velmora-e2e-none
unset WAYLAND_DISPLAY

# ---- the window log ----------------------------------------------------------
log=$work/window.log
mark=0

set_mark() { mark=$(wc -l <"$log" 2>/dev/null || echo 0); }
# The last line after the mark matching REGEX, if any.
log_line() { tail -n +$((mark + 1)) "$log" 2>/dev/null | grep -E "$1" | tail -1 | grep .; }
# Waits for a line after the mark matching REGEX; prints it.
wait_log() { wait_for "$patience" log_line "$1"; }
# Whether the widget NAME of the window has the keyboard.
keyboard_at() { [ "$(grep '^focus ' "$log" | tail -1)" = "focus $1" ]; }

# ---- the same game in velmora-script -------------------------------------------
events=$work/events.txt
# Adds an event (the script format) to the game velmora-script replays.
also() { printf '%s\n' "$*" >>"$events"; }
# The state line ("dump …") after the events so far, in a fresh directory.
game_state() {
  rm -rf "$work/script" && mkdir "$work/script"
  (cd "$work/script" && { cat "$events"; echo dump; } | "$script_app" 2>/dev/null) | grep '^dump ' | tail -1
}
# One field of the state line (tesuu, teban, …); ban gives the 81 codes, x
# outer, y inner, one a line.
game() { game_state | tr ' ' '\n' | sed -n "s/^$1=//p" | tr , '\n'; }

# ---- driving the window ------------------------------------------------------
# Device pixels per logical pixel: the window logs logical pixels, the X
# server counts device pixels (2 while the window runs at twice the scale).
ratio=1
click() { xdotool mousemove --sync $(($1 * ratio)) $(($2 * ratio)) click "${3:-1}"; }

boxes=()
# How the question of the game kept last time is answered at a start.
resume=no
# The X windows of the main window and of the box shown last, as the window
# logs them (a box and the window may have the same title).
main_window=
box_window=
# Whether the keyboard is at the X window $1.
has_keyboard() { [ -n "$1" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# Waits until the handler that is running has ended and the screen shows it,
# answering each box it opens with its default button (OK, or はい) once the
# box has the keyboard, and keeping its text.
settle() {
  local seen=$mark line end=$((SECONDS + patience))
  while ((SECONDS < end)); do
    while ((seen < $(wc -l <"$log"))); do
      seen=$((seen + 1))
      line=$(sed -n "${seen}p" "$log")
      case $line in
        "boxwindow "*) box_window=${line#boxwindow } ;;
        "window "*) main_window=${line#window } ;;
        "box "*)
          boxes+=("${line#box }")
          line=${line#box }
          wait_for "$patience" has_keyboard "$box_window" || fail "the box \"$line\" never had the keyboard"
          # The question of the game kept last time is answered No (Escape)
          # unless the test says yes.
          if [[ $line == "前回の対局|"* || $line == "Previous game|"* ]] && [ "$resume" != yes ]; then
            xdotool key Escape
          else
            xdotool key Return
          fi
          end=$((SECONDS + patience))
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

saw_box() { printf '%s\n' "${boxes[@]}" | grep -qxF -- "$1"; }

# Opens the menu bar caption NAME, then the items given, one level each.
menu() {
  local line caption=$1
  line=$(grep -E "^menubar $1 " "$log" | tail -1)
  [ -n "$line" ] || fail "no menu caption $1"
  set -- $line "${@:2}"
  set_mark
  click "$3" "$4"
  also "menu $2"
  shift 4
  while [ $# -gt 0 ]; do
    line=$(wait_log "^menu $1 ") || fail "menu item $1 did not show under $caption"
    set -- $line "${@:2}"
    set_mark
    click "$3" "$4"
    also "menu $2"
    shift 4
  done
  settle || fail "the menu command did not end"
}

# Clicks the window's control NAME (as the log names it).
click_control() {
  local line
  line=$(grep -E "^control $1 " "$log" | tail -1)
  [ -n "$line" ] || fail "the control $1 is not shown"
  set -- $line
  set_mark
  click "$3" "$4"
}

# Types TEXT into the record panel's text box NAME (Text1 … Text4).
type_into() {
  click_control "$1"
  wait_for "$patience" keyboard_at "$1" || fail "$1 did not take the keyboard"
  xdotool type --delay 20 "$2"
  also "set $1 $2"
}

# ---- the board on the screen ---------------------------------------------------
# Where twip (0, 0) of the picture is on the screen, and the scale.
view_x=0 view_y=0 scale=1
view_w=0 view_h=0
take_view() {
  set -- $1
  view_x=$(($2 * ratio)) view_y=$(($3 * ratio)) view_w=$(($4 * ratio)) view_h=$(($5 * ratio))
  scale=$(awk -v s="$6" -v r="$ratio" 'BEGIN { print s * r }')
}

# Clicks the centre of board cell (x, y) with button 1 (left) or 3 (right).
click_cell() {
  set_mark
  click $(awk -v x="$1" -v y="$2" -v ox="$view_x" -v oy="$view_y" -v s="$scale" \
    'BEGIN { printf "%d %d\n", ox + int((1350 + 610 * (x + 0.5)) * s / 15), oy + int((100 + 690 * (y + 0.5)) * s / 15) }') "${3:-1}"
  if [ "${3:-1}" = 3 ]; then also "click $1 $2 right"; else also "click $1 $2"; fi
  settle || fail "the click on ($1, $2) did not end"
}
move() { click_cell "$1" "$2" && click_cell "$3" "$4"; }

shot_n=0
shot() {
  shot_n=$((shot_n + 1))
  last_shot=$(printf "%s/%02d-%s.png" "$shots" "$shot_n" "$1")
  import -window root "$last_shot"
}

board_cells=$(for x in 1 2 3 4 5 6 7 8 9; do for y in 1 2 3 4 5 6 7 8 9; do echo "$x,$y"; done; done)
# The pixel signature of the inside of each cell X,Y given (where no outline
# reaches), one a line: a cell's picture stands at the pixel the window rounds
# its twips to, so two cells with the same picture have the same signature.
cell_signatures() {
  local shot=$1 crops=() g
  shift
  for g in $(awk -v ox="$view_x" -v oy="$view_y" -v s="$scale" 'BEGIN {
      for (i = 1; i < ARGC; i++) {
        split(ARGV[i], c, ",")
        inset = int(3 * s + 0.5)
        printf "%dx%d+%d+%d\n", int(34 * s), int(38 * s),
          ox + int((1350 + 610 * c[1]) * s / 15 + 0.5) + inset, oy + int((100 + 690 * c[2]) * s / 15 + 0.5) + inset
      } }' "$@"); do
    crops+=("(" -clone 0 -crop "$g" +repage ")")
  done
  convert "$shot" "${crops[@]}" -delete 0 -format '%#\n' info:
}

# Learns how each piece looks at this scale from a shot of the game's board:
# cells holding the same code must look alike and different codes different.
declare -A picture
learn_pictures() {
  local pairs
  pairs=$(paste -d ' ' <(game ban) <(cell_signatures "$1" $board_cells) | LC_ALL=C sort -u)
  [ "$(cut -d ' ' -f 1 <<<"$pairs" | uniq -d)" = "" ] || fail "two cells of one piece look different"
  [ "$(cut -d ' ' -f 2 <<<"$pairs" | LC_ALL=C sort | uniq -d)" = "" ] || fail "two different pieces look alike"
  while read -r code signature; do picture["$scale $code"]=$signature; done <<<"$pairs"
}

# Whether cells show given codes: expect_cells SHOT WHAT X,Y:CODE ….
expect_cells() {
  local shot=$1 what=$2 signatures i
  shift 2
  local cells=("$@")
  mapfile -t signatures < <(cell_signatures "$shot" "${cells[@]%%:*}")
  for i in "${!cells[@]}"; do
    [ "${signatures[i]}" = "${picture["$scale ${cells[i]#*:}"]:-unknown}" ] ||
      fail "$what: (${cells[i]%%:*}) does not show code '${cells[i]#*:}' as it looks at scale $scale"
  done
}

# Whether all 81 cells show the board velmora-script has after the same events.
expect_board() { expect_cells "$1" "$2" $(paste -d : <(echo "$board_cells") <(game ban)); }

# Whether the area of cells (x1..x2, y1..y2) of a shot holds colour #RRGGBB.
has_colour() {
  local l t r b
  read -r l t r b < <(awk -v x1="$2" -v y1="$3" -v x2="$4" -v y2="$5" -v ox="$view_x" -v oy="$view_y" -v s="$scale" \
    'BEGIN { printf "%d %d %d %d\n", ox + (1350 + 610 * x1) * s / 15, oy + (100 + 690 * y1) * s / 15, ox + (1350 + 610 * (x2 + 1)) * s / 15, oy + (100 + 690 * (y2 + 1)) * s / 15 }')
  convert "$1" -crop "$((r - l))x$((b - t))+$l+$t" +repage -format %c histogram:info:- | grep -qi "#$6"
}

# The brick background's colours, and whether a rectangle of a shot
# (L T R B, screen pixels) shows nothing else: no seam, no bar of another colour.
bricks="C8C0B0 A4442C 963C26"
only_bricks() {
  local colour
  (($4 > $2 && $5 > $3)) || return 0
  for colour in $(convert "$1" -crop "$(($4 - $2))x$(($5 - $3))+$2+$3" +repage -format %c histogram:info:- |
    grep -o '#[0-9A-F]\{6\}'); do
    [[ " $bricks " == *" ${colour#\#} "* ]] || { echo "#${colour#\#} at $2,$3..$4,$5" >&2; return 1; }
  done
}
# The same for the cells (x1..x2, y1..y2) of the picture, inset by a few pixels.
only_bricks_in_cells() {
  only_bricks "$1" $(awk -v x1="$2" -v y1="$3" -v x2="$4" -v y2="$5" -v ox="$view_x" -v oy="$view_y" -v s="$scale" \
    'BEGIN { i = int(3 * s); printf "%d %d %d %d\n", ox + (1350 + 610 * x1) * s / 15 + i, oy + (100 + 690 * y1) * s / 15 + i, ox + (1350 + 610 * (x2 + 1)) * s / 15 - i, oy + (100 + 690 * (y2 + 1)) * s / 15 - i }')
}
# The picture's right and bottom edges on the screen.
picture_right() { awk -v ox="$view_x" -v s="$scale" 'BEGIN { printf "%d\n", ox + 10900 * s / 15 }'; }
picture_bottom() { awk -v oy="$view_y" -v s="$scale" 'BEGIN { printf "%d\n", oy + 8600 * s / 15 }'; }
# Whether the X window ID is mapped and visible.
shown() { xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
# Whether the X window of the main window is W × H screen pixels.
window_is() { xdotool getwindowgeometry "$(xdotool search --name '^Velmora$' | head -1)" | grep -q "Geometry: $1x$2\$"; }
# Resizes the window to W × H screen pixels and takes the new view.
resize_window() {
  set_mark
  xdotool windowsize "$(xdotool search --name '^Velmora$' | head -1)" "$1" "$2"
  line=$(wait_log "^view [0-9]+ [0-9]+ $(($1 / ratio)) ") || fail "the window did not take the size $1 × $2"
  take_view "$line"
}

# start_app [VARIABLE=VALUE…]: the program with these in its environment.
start_app() {
  : >"$log"
  : >"$events"
  mark=0
  (cd "$work/game" && VELMORA_E2E_LOG="$log" exec env "$@" "$app") >"$work/app.out" 2>&1 &
  app_pid=$!
  # Form_Load: with no sound device it warns first.
  settle || fail "the window did not finish starting"
  local line
  mark=0
  line=$(wait_log "^view ") || fail "the window did not show"
  take_view "$line"
  main_window=$(grep '^window ' "$log" | tail -1 | cut -d ' ' -f 2)
  set_mark
}

quit_with_escape() {
  wait_for "$patience" has_keyboard "$main_window" || fail "the window does not have the keyboard"
  xdotool key Escape
  wait_for "$patience" eval '! kill -0 "$app_pid" 2>/dev/null' || fail "Escape did not end the program"
  app_pid=
}

mkdir -p "$work/game"

# ---- a game between two people -------------------------------------------------
step "start"
start_app
saw_box "Velmora|サウンドデバイスを開けませんでした。音なしで続けます。" || fail "no warning about the missing sound device (saw: ${boxes[*]})"
shot start
learn_pictures "$last_shot"
has_colour "$last_shot" 1 0 9 0 FFFF00 || fail "the column numbers are not shown"
has_colour "$last_shot" 10 1 10 9 FFFF00 || fail "the row numerals are not shown"

step "対局 → 対局(人間) → スタート"
menu TAIKYOKU MATCH_MAN START
saw_box " |先手の番です" || fail "no 先手の番です box (saw: ${boxes[*]})"

step "a pawn and its mirror move"
move 3 7 3 6
shot pawn
expect_cells "$last_shot" "the pawn and its mirror move" 3,6:-10 3,7:0 7,4:10 7,3:0
expect_board "$last_shot" "after the first move"
has_colour "$last_shot" 12 2 14 3 FFFFFF || fail "the move text and counter are not shown"

step "the window filling a 2560 × 1440 screen"
set_mark
xdotool windowsize "$(xdotool search --name '^Velmora$' | head -1)" 2560 1440
line=$(wait_log "^view [0-9]+ [0-9]+ 2560 ") || fail "the window did not take the new size"
take_view "$line"
set -- $line
expected=$(awk -v w="$4" -v h="$5" 'BEGIN { s = w / 727; if (h / 573 < s) s = h / 573; print s }')
awk -v a="$scale" -v b="$expected" 'BEGIN { exit !(a > 2 && (a - b) ^ 2 < 1e-9) }' ||
  fail "the picture's scale is $scale, not $expected of the ${4}x${5} client area"
shot large
learn_pictures "$last_shot"
has_colour "$last_shot" 1 0 9 0 FFFF00 || fail "the column numbers are not shown at the large scale"
move 5 3 5 4
shot large-move
expect_cells "$last_shot" "the top pawn and its mirror move at the large scale" 5,4:10 5,3:0 5,6:-10 5,7:0
expect_board "$last_shot" "after the second move at the large scale"

step "the record panel beside the board at 2560 × 1440: the board keeps its place and scale"
board_x=$view_x board_scale=$scale
menu KIFU KIFU_READ
line=$(wait_log "^area ") || fail "読込 did not show the record panel"
set -- $line
area_x=$(($2 * ratio))
take_view "$(grep '^view ' "$log" | tail -1)"
[ "$view_x" = "$board_x" ] && [ "$scale" = "$board_scale" ] ||
  fail "the picture moved or changed its scale when the panel showed: at $view_x, $scale (was $board_x, $board_scale)"
[ "$area_x" -ge "$(picture_right)" ] || fail "the record panel (from $area_x) covers the picture (to $(picture_right))"
shot panel-large
expect_board "$last_shot" "the board beside the record panel"
click_control Close
settle || fail "閉じる did not end"

step "the record panel at the smallest window: the window grows by it and gives the width back"
# Asked for less, the window lays itself out at its smallest; without a window
# manager the X window is then given exactly that size.
xdotool windowsize "$(xdotool search --name '^Velmora$' | head -1)" 300 300
line=$(wait_log "^view [0-9]+ [0-9]+ 54[56] ") || fail "the window did not go down to its smallest size"
set -- $line
xdotool windowsize "$(xdotool search --name '^Velmora$' | head -1)" $(($4 * ratio)) $((($3 + $5) * ratio))
wait_for "$patience" window_is $(($4 * ratio)) $((($3 + $5) * ratio)) || fail "the X window did not take the smallest size"
smallest=$line
take_view "$smallest"
shot smallest
learn_pictures "$last_shot"
menu KIFU KIFU_WRITE
line=$(wait_log "^area ") || fail "書込 did not show the record panel"
set -- $line
area_x=$(($2 * ratio)) area_right=$((($2 + $4) * ratio))
take_view "$(grep '^view ' "$log" | tail -1)"
[ "$(grep '^view ' "$log" | tail -1)" = "$smallest" ] || fail "the board changed when the panel showed at the smallest size"
[ "$area_x" -ge "$(picture_right)" ] || fail "the record panel (from $area_x) covers the picture (to $(picture_right))"
shot panel-smallest
expect_board "$last_shot" "the board beside the record panel at the smallest size"
[ "$(xdotool getdisplaygeometry | cut -d ' ' -f 1)" -ge "$area_right" ] || fail "the record panel runs off the screen"
has_keyboard "$main_window" && { wait_for "$patience" keyboard_at Text1 || fail "the panel did not open with the keys in the file name"; }
set_mark
xdotool key Escape
wait_log "^view [0-9]+ [0-9]+ 54[56] " >/dev/null || fail "the window did not give back the panel's width"
settle || fail "Escape in the panel did not end"
kill -0 "$app_pid" 2>/dev/null || fail "Escape in the panel ended the program"
xdotool windowsize "$(xdotool search --name '^Velmora$' | head -1)" 2560 1440
wait_log "^view [0-9]+ [0-9]+ 2560 " >/dev/null || fail "the window did not take the large size again"

step "Escape"
quit_with_escape

# ---- the game kept, the keys of the menus, resigning, a kill ---------------------
# A key pressed in the window, and the menu item it chooses replayed.
press() {
  set_mark
  xdotool key "$1"
  [ -n "${2:-}" ] && also "menu $2"
  settle || fail "$1 did not end"
}
# A fake browser, so that F1 can be seen opening the help page.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$@" >>"%s"\n' "$work/opened" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

step "the game left with Escape is offered again: Yes"
kept_events=$(cat "$events")
resume=yes
start_app PATH="$work/bin:$PATH"
resume=no
saw_box "前回の対局|前回の対局を続けますか？" || fail "the kept game was not offered (saw: ${boxes[*]})"
printf '%s\n' "$kept_events" >"$events"
shot resumed
expect_board "$last_shot" "the game taken up again"
xdotool windowfocus --sync "$main_window"

step "Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z step back and forward"
press ctrl+z MODORU
shot key-back
expect_board "$last_shot" "Ctrl+Z"
press ctrl+y SUSUMU
shot key-forward
expect_board "$last_shot" "Ctrl+Y: the last move kept when it was stepped back from"
press ctrl+z MODORU
press ctrl+shift+z SUSUMU
[ "$(game tesuu)" = 2 ] || fail "velmora-script does not step back to the second move"
shot key-forward2
expect_board "$last_shot" "Ctrl+Shift+Z"

step "Ctrl+N asks, then starts the same game again"
press ctrl+n SHINKI
saw_box "新規対局|対局を終了して新しく始めますか？" || fail "Ctrl+N did not ask (saw: ${boxes[*]})"
saw_box " |先手の番です" || fail "Ctrl+N did not start a game between two people (saw: ${boxes[*]})"
shot new-game
expect_board "$last_shot" "the new game"

step "対局 → 投了"
move 7 7 7 6
move 8 3 8 4
menu TAIKYOKU TOURYOU
saw_box "投了|投了しますか？" || fail "投了 did not ask (saw: ${boxes[*]})"
saw_box "終了|後手の勝ちです" || fail "the first player's resignation did not make the second the winner (saw: ${boxes[*]})"
[ "$(game syousya)" = -1 ] || fail "velmora-script's game did not end with the second player's win"
shot resigned
xdotool windowfocus --sync "$main_window"

step "Ctrl+S and Ctrl+O: the record panel, the browser and the recent records"
press ctrl+s KIFU_WRITE
wait_log "^control Text1 " >/dev/null || fail "Ctrl+S did not show the record panel"
type_into Text1 "keys"
set_mark
xdotool key Return
also "press Command1"
settle || fail "RETURN did not end"
saw_box "  |棋譜を書き込みました" || fail "the record was not written (saw: ${boxes[*]})"
[ -f "$work/game/recent" ] && grep -q "/keys.棋譜$" "$work/game/recent" || fail "the record written is not among the recent records"
xdotool windowfocus --sync "$main_window"
press ctrl+o KIFU_READ
wait_log "^row File1 keys\.棋譜 " >/dev/null || fail "Ctrl+O did not show the browser with the record"
# Opening a submenu runs no handler: its items are waited for instead.
line=$(grep -E "^menubar KIFU " "$log" | tail -1)
set -- $line
set_mark
click "$3" "$4"
also "menu KIFU"
line=$(wait_log "^menu SAIKIN ") || fail "最近の棋譜 did not show under 棋譜"
set -- $line
set_mark
click "$3" "$4"
line=$(wait_log "^menu SAIKIN1 ") || fail "the recent records do not list the record"
set -- $line
set_mark
click "$3" "$4"
also "open keys.棋譜"
settle || fail "opening a recent record did not end"
saw_box "棋譜| 読み込みました" || fail "the recent record was not read (saw: ${boxes[*]})"
shot recent
expect_board "$last_shot" "the recent record read"

step "F1 opens the help page, Ctrl+Q quits"
xdotool windowfocus --sync "$main_window"
press F1
wait_for "$patience" grep -q "Velmora.htm" "$work/opened" || fail "F1 did not open the help page"
xdotool key ctrl+q
wait_for "$patience" eval '! kill -0 "$app_pid" 2>/dev/null' || fail "Ctrl+Q did not end the program"
app_pid=

step "killed with -9, the game comes back at its last move"
start_app
menu TAIKYOKU MATCH_MAN START
move 7 7 7 6
move 8 3 8 4
killed_events=$(cat "$events")
kill -9 "$app_pid"
wait_for "$patience" eval '! kill -0 "$app_pid" 2>/dev/null' || fail "kill -9 did not end the program"
app_pid=
resume=yes
start_app
resume=no
saw_box "前回の対局|前回の対局を続けますか？" || fail "the killed game was not offered (saw: ${boxes[*]})"
printf '%s\n' "$killed_events" >"$events"
shot killed-resumed
expect_board "$last_shot" "the game taken up after kill -9"
xdotool windowfocus --sync "$main_window"
quit_with_escape

# ---- against the computer --------------------------------------------------------
step "a fresh start: 対局 → 対局(COM) → 先手"
start_app
saw_box "前回の対局|前回の対局を続けますか？" || fail "the kept game was not offered (saw: ${boxes[*]})"
ls "$work/game"/autosave.* >/dev/null 2>&1 || fail "the game answered No was not set aside"
menu TAIKYOKU START2 SENTE
saw_box " |MANの番です" || fail "no MANの番です box (saw: ${boxes[*]})"

step "two moves against the computer"
move 3 7 3 6
[ "$(game tesuu)" = 2 ] || fail "velmora-script's computer did not answer the first move"
shot com-move1
expect_board "$last_shot" "the computer's answer to the first move"
# A pawn of the bottom row that may step forward after the computer's answer.
second=
mapfile -t ban < <(game ban)
for x in 1 9 5 6 4 2; do
  [ "${ban[(x - 1) * 9 + 6]}" = -10 ] && [ "${ban[(x - 1) * 9 + 5]}" = 0 ] && second=$x && break
done
[ -n "$second" ] || fail "no pawn of the bottom row can step forward"
move "$second" 7 "$second" 6
[ "$(game tesuu)" = 4 ] || fail "velmora-script did not take the second move and answer it"
shot com-move2
expect_board "$last_shot" "the second move and the computer's answer"
before_replay=$(game ban)

step "戻"
menu REPLAY
[ "$(game ban)" != "$before_replay" ] || fail "戻 changed nothing in velmora-script"
shot replay
expect_board "$last_shot" "the position 戻 steps back to"

step "save a record through the panel"
menu KIFU KIFU_WRITE
type_into Text1 "e2e"
type_into Text2 "match"
shot panel
# Enter in a text box presses the form's one button.
set_mark
xdotool key Return
also "press Command1"
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
also "open e2e.棋譜"
settle || fail "loading did not end"
saw_box "棋譜| 読み込みました" || fail "no 読み込みました box (saw: ${boxes[*]})"
saw_box "棋譜|棋譜を '進 'で進めて下さい" || fail "no 進 box (saw: ${boxes[*]})"
shot loaded
expect_cells "$last_shot" "the loaded record's first position" 3,7:-10 3,6:0 7,3:10 7,4:0
expect_board "$last_shot" "the loaded record's first position"
menu AFTER
shot after
expect_cells "$last_shot" "進 to the record's first move" 3,6:-10 3,7:0 7,4:10 7,3:0
expect_board "$last_shot" "進 to the record's first move"

step "参照…: the file chooser, Cancel, then a record in another folder"
mkdir -p "$work/elsewhere"
cp "$record" "$work/elsewhere/選んだ.棋譜"
menu KIFU KIFU_READ
wait_log "^control Browse " >/dev/null || fail "the browser shows no 参照… button"
click_control Browse
line=$(wait_log "^boxwindow ") || fail "参照… did not open the file chooser"
chooser=${line#boxwindow }
wait_log "^dialog 棋譜読込" >/dev/null || fail "the file chooser is not titled 棋譜読込"
line=$(wait_log "^button Cancel ") || fail "the file chooser has no Cancel button"
wait_for "$patience" has_keyboard "$chooser" || fail "the file chooser never had the keyboard"
shot chooser
set -- $line
shown "$chooser" || fail "the file chooser is not on the screen"
click "$3" "$4"
wait_for "$patience" eval '! shown "$chooser"' || fail "Cancel did not close the file chooser"
xdotool windowfocus --sync "$main_window"
grep -q "^row File1 e2e\.棋譜 " "$log" || fail "the browser no longer lists its folder after Cancel"
shot chooser-cancelled
expect_board "$last_shot" "the board after the file chooser's Cancel"
click_control Browse
line=$(wait_log "^boxwindow ") || fail "参照… did not open the file chooser again"
wait_for "$patience" has_keyboard "${line#boxwindow }" || fail "the file chooser never had the keyboard"
xdotool type --delay 20 "$work/elsewhere/選んだ.棋譜"
set_mark
xdotool key Return
also "dir $work/elsewhere"
also "open 選んだ.棋譜"
settle && settle || fail "reading the chosen record did not end"
saw_box "棋譜| 読み込みました" || fail "the chosen record was not read (saw: ${boxes[*]})"
grep -q "/elsewhere/選んだ.棋譜$" "$work/game/recent" || fail "the chosen record is not among the recent records"
shot chosen
expect_cells "$last_shot" "the chosen record's first position" 3,7:-10 3,6:0 7,3:10 7,4:0
expect_board "$last_shot" "the chosen record's first position"

step "background from ｵﾌﾟｼｮﾝ"
menu OPTION HAIKEI_GA RENGA
shot renga
has_colour "$last_shot" 12 5 14 8 A4442C || fail "the brick background is not shown"
has_colour "$last_shot" -2 3 -2 6 963C26 || fail "the brick background is not shown left of the board"
[ -f "$work/game/Velmora.ini" ] || fail "Velmora.ini was not written"
iconv -f CP932 -t UTF-8 "$work/game/Velmora.ini" | grep -q "^背景画=煉瓦" || fail "Velmora.ini does not hold the brick background"

step "a menu closed with Escape, then Escape"
menu OPTION
xdotool key Escape
wait_log "^focus Board" >/dev/null || fail "the keys did not go back to the board when the menu closed"
quit_with_escape

# ---- the window at three shapes, the brick background kept in Velmora.ini --------
step "narrow: the background above and below the picture"
start_app
resize_window 600 900
shot narrow
# The picture stands in the middle, the client area's top as far above it as its bottom below.
client_top=$((view_y - (view_h - ($(picture_bottom) - view_y)) / 2))
only_bricks "$last_shot" "$view_x" "$(($(picture_bottom) + 2))" "$((view_x + view_w))" "$((client_top + view_h - 2))" ||
  fail "the narrow window shows something other than bricks below the picture"
only_bricks "$last_shot" "$view_x" "$((client_top + 2))" "$((view_x + view_w))" "$((view_y - 2))" ||
  fail "the narrow window shows something other than bricks above the picture"
only_bricks_in_cells "$last_shot" 13 4 14 8 || fail "a seam crosses the brick background inside the picture"

step "16:9 wide: the move list beside the picture"
resize_window 1280 720
menu TAIKYOKU MATCH_MAN START
shot wide-start
learn_pictures "$last_shot"
move 3 7 3 6
shot wide
expect_board "$last_shot" "the wide window after a move"
right=$(picture_right)
((right < 1280 - 150)) || fail "the picture does not leave room for the move list (its right edge at $right)"
convert "$last_shot" -crop "$((1280 - right - 4))x$((view_h / 3))+$((right + 2))+$view_y" +repage -format %c histogram:info:- |
  grep -qi "#FFFF00" || fail "the move list does not mark its current move in yellow"
only_bricks "$last_shot" "$((right + 2))" "$((view_y + view_h * 3 / 4))" 1278 "$((view_y + view_h - 2))" ||
  fail "the room below the move list shows something other than bricks"
quit_with_escape
# The game left here is offered again to the English start below (the next
# start answers No and sets it aside).
cp "$work/game/autosave" "$work/wide-autosave"

step "twice the scale: no seam in the bricks"
ratio=2
start_app QT_SCALE_FACTOR=2
shot double
learn_pictures "$last_shot"
expect_board "$last_shot" "the start position at twice the scale"
only_bricks_in_cells "$last_shot" 13 4 14 8 || fail "a seam crosses the brick background at twice the scale"
resize_window 2560 1440
shot double-wide
only_bricks "$last_shot" "$(($(picture_right) + 2))" "$((view_y + view_h * 3 / 4))" 2556 "$((view_y + view_h - 2))" ||
  fail "the room beside the picture shows something other than bricks at twice the scale"
only_bricks_in_cells "$last_shot" 13 4 14 8 || fail "a seam crosses the brick background of the wide window at twice the scale"
# Without a window manager nothing gives the keyboard back to the window when
# the start-up box closes, until a click does; there was none here.
xdotool windowfocus --sync "$main_window"
quit_with_escape
ratio=1

# ---- in English, with the international pieces -----------------------------------
# The words of the screenshot's area of cells or pixels, as OCR reads them,
# enlarged first so that a menu's small letters read well.
# White labels on the board's background are read as black on white.
read_words() {
  local light=()
  [ "$3" = light ] && light=(-threshold 65% -negate)
  convert "$1" -crop "$2" +repage -colorspace Gray -resize 400% "${light[@]}" - | tesseract - - --psm 6 2>/dev/null
}
# expect_words SHOT GEOMETRY dark|light WHAT WORD…
expect_words() {
  local words
  words=$(read_words "$1" "$2" "$3")
  for w in "${@:5}"; do grep -qw -- "$w" <<<"$words" || fail "$4: no \"$w\" in what the screen shows: $words"; done
}

step "an English desktop: LANG=en_US.UTF-8"
command -v tesseract >/dev/null || fail "no tesseract to read the screen with"
rm -f "$work/game/Velmora.ini"
cp "$work/wide-autosave" "$work/game/autosave"
start_app LANG=en_US.UTF-8
saw_box "Velmora|No sound device could be opened. The game goes on without sound." ||
  fail "no English warning about the missing sound device (saw: ${boxes[*]})"
saw_box "Previous game|Continue the previous game?" || fail "no English question for the kept game (saw: ${boxes[*]})"
shot english-start
set -- $(grep '^view ' "$log" | tail -1)
expect_words "$last_shot" "$(($4 > 727 ? 727 : $4))x$3+0+0" dark "the menu bar" Game Position Back Forward Record Options Help

step "Options → Pieces → International, the menu read off the screen"
line=$(grep -E "^menubar OPTION " "$log" | tail -1)
set -- $line
set_mark
click "$3" "$4"
also "menu OPTION"
line=$(wait_log "^menu KOMA ") || fail "Options did not open"
shot english-options
# The menu's items below its caption, down to the last one.
last=$(grep -E "^menu (HAIKEI_GA|SIDOU|KEIKA|BGM|KOMA) " "$log" | tail -1 | cut -d' ' -f4)
expect_words "$last_shot" "360x$((last - $4 + 20))+$(($3 - 40))+$(($4 + 8))" dark "the Options menu" Background Legal Music Pieces
set -- $line
set_mark
click "$3" "$4"
also "menu KOMA"
line=$(wait_log "^menu KOKUSAI ") || fail "Pieces did not open"
set -- $line
set_mark
click "$3" "$4"
also "menu KOKUSAI"
settle || fail "International did not end"
iconv -f CP932 -t UTF-8 "$work/game/Velmora.ini" | grep -qx $'駒=国際式\r' || fail "Velmora.ini does not keep the international pieces"

step "a game in English with the international pieces"
menu TAIKYOKU MATCH_MAN START
saw_box " |Sente (the bottom side) to move." || fail "no English turn box (saw: ${boxes[*]})"
shot english-pieces
learn_pictures "$last_shot"
move 3 7 3 6
shot english-move
expect_cells "$last_shot" "the international pawn and its mirror move" 3,6:-10 3,7:0 7,4:10 7,3:0
expect_board "$last_shot" "after the first English move"
expect_words "$last_shot" "$(awk -v ox="$view_x" -v oy="$view_y" -v s="$scale" 'BEGIN { printf "%dx%d+%d+%d", 183 * s, 120 * s, ox + (1350 + 610 * 12.3) * s / 15, oy + (100 + 690 * 2.3) * s / 15 }')" \
  light "the move text and counter" P to 7f Move 1
quit_with_escape

[ -z "${VELMORA_E2E_KEEP:-}" ] || keep_artifacts
echo "e2e: all steps passed"
