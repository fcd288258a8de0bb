#!/usr/bin/env bash
# The command line of the real program: --help and --version print and exit
# without a display, a wrong command line is an error with status 2, no
# display is an error with status 1 instead of Qt's abort, and a machine
# without a Japanese font hears about it once.
#
#   command_line.sh VELMORA VERSION NO_CJK_FONTCONFIG_FILE
set -uo pipefail
app=$(realpath "$1") version=$2 no_cjk=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "command_line: FAIL: $*" >&2
  failed=1
}

# Runs velmora with no display at all; sets status, out and err.
run() {
  (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    "$app" "$@" >"$work/out" 2>"$work/err" </dev/null)
  status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}

for help in --help -h; do
  run "$help"
  [ "$status" = 0 ] || fail "$help: status $status"
  [[ "$out" == "Usage: velmora [--desktop] [--lang LANG] [FILE]"* ]] || fail "$help printed: $out"
  [ -z "$err" ] || fail "$help: $err"
done
for v in --version -v; do
  run "$v"
  [ "$status" = 0 ] || fail "$v: status $status"
  [ "$(head -1 <<<"$out")" = "velmora $version" ] || fail "$v printed: $out"
  grep -q MIT <<<"$out" || fail "$v names no licence"
  [ -z "$err" ] || fail "$v: $err"
done
# Asked for help, it helps, whatever else the line holds.
run --help --no-such-option
[ "$status" = 0 ] || fail "--help --no-such-option: status $status"

run --colour=red
[ "$status" = 2 ] || fail "an unknown option: status $status"
[ "$(head -1 <<<"$err")" = "velmora: unknown option '--colour'" ] || fail "an unknown option said: $err"
grep -q "velmora --help" <<<"$err" || fail "an unknown option does not point to --help"
[ -z "$out" ] || fail "an unknown option printed: $out"
run a.棋譜 b.棋譜
[ "$status" = 2 ] || fail "two records: status $status"
run -platform
[ "$status" = 2 ] || fail "-platform without a value: status $status"
# A language is one there is a translation into.
run --lang xx
[ "$status" = 2 ] || fail "--lang xx: status $status"
[ "$(head -1 <<<"$err")" = "velmora: no translation into 'xx' (there are: en, ja)" ] || fail "--lang xx said: $err"
run --lang
[ "$status" = 2 ] || fail "--lang without a value: status $status"
run --lang ""
[ "$status" = 2 ] || fail "--lang with an empty value: status $status"
[ "$(head -1 <<<"$err")" = "velmora: --lang needs a language" ] || fail "--lang '' said: $err"
# A locale name names its language; a path names none (and no catalogue is
# read from it). Without a display, a language accepted ends at the display.
run --lang en_US.UTF-8
[ "$status" = 1 ] || fail "--lang en_US.UTF-8: status $status ($err)"
run --lang ../../x
[ "$status" = 2 ] || fail "--lang ../../x: status $status"
[ "$(head -1 <<<"$err")" = "velmora: no translation into '../../x' (there are: en, ja)" ] ||
  fail "--lang ../../x said: $err"
# A damaged catalogue is named as damaged, not as a missing translation.
mkdir -p "$work/inst/bin" "$work/inst/share/locale/xx/LC_MESSAGES"
cp "$app" "$work/inst/bin/velmora"
printf '\xde\x12\x04\x95\0\0\0\0\xff\xff\xff\xff' >"$work/inst/share/locale/xx/LC_MESSAGES/velmora.mo"
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY "$work/inst/bin/velmora" --lang xx >"$work/out" 2>"$work/err" </dev/null)
status=$?
[ "$status" = 2 ] || fail "a damaged catalogue: status $status"
[ "$(cat "$work/err")" = "velmora: the catalogue for 'xx' is damaged: $work/inst/share/locale/xx/LC_MESSAGES/velmora.mo" ] ||
  fail "a damaged catalogue said: $(cat "$work/err")"
# A catalogue where a path given as the language leads is never read.
mkdir -p "$work/inst/x/LC_MESSAGES"
printf '\xde\x12\x04\x95\0\0\0\0\0\0\0\0\x1c\0\0\0\x1c\0\0\0\0\0\0\0\0\0\0\0' >"$work/inst/x/LC_MESSAGES/velmora.mo"
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY "$work/inst/bin/velmora" --lang ../../x >"$work/out" 2>"$work/err" </dev/null)
status=$?
[ "$status" = 2 ] || fail "--lang ../../x beside a catalogue: status $status"

run
[ "$status" = 1 ] || fail "no display: status $status"
[ "$err" = "velmora: cannot open the display: neither DISPLAY nor WAYLAND_DISPLAY is set" ] ||
  fail "no display said: $err"
(cd "$work" && DISPLAY=:4095 QT_QPA_PLATFORM=xcb "$app" >"$work/out" 2>"$work/err" </dev/null)
status=$?
[ "$status" = 1 ] || fail "a display that does not answer: status $status"
[ "$(cat "$work/err")" = 'velmora: cannot open the display ":4095"' ] ||
  fail "a display that does not answer said: $(cat "$work/err")"
[ -f "$work/Velmora.ini" ] && fail "the settings were touched without a window"

# No face with Japanese characters: said once on standard error; the window
# still starts (it quits at its first frame here).
(cd "$work" && FONTCONFIG_FILE=$no_cjk QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  VELMORA_MEASURE_FIRST_FRAME=1 timeout 60 "$app" >"$work/out" 2>"$work/err" </dev/null)
status=$?
[ "$status" = 0 ] || fail "without a Japanese font: status $status"
grep -q '^first-frame-ns ' "$work/out" || fail "without a Japanese font the window did not paint"
[ "$(grep -c 'No font with Japanese characters is installed' "$work/err")" = 1 ] ||
  fail "without a Japanese font standard error said: $(cat "$work/err")"

# A record named on the command line that is a FIFO nobody writes to is no
# record: said at once, and the window paints its first frame instead of
# waiting on it.
mkfifo "$work/pipe.棋譜"
mkdir -m 700 "$work/run"
(cd "$work" && XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy VELMORA_MEASURE_FIRST_FRAME=1 \
  timeout 60 "$app" pipe.棋譜 >"$work/out" 2>"$work/err" </dev/null)
status=$?
[ "$status" = 0 ] || fail "a FIFO named as the record: status $status"
grep -q '^first-frame-ns ' "$work/out" || fail "with a FIFO named as the record the window did not paint"
[ "$(grep '^velmora:' "$work/err")" = "velmora: pipe.棋譜: not a regular file" ] ||
  fail "a FIFO named as the record: $(cat "$work/err")"
# A directory, and a file that is no record, are said on standard error too.
mkdir -p "$work/folder.棋譜"
printf 'title\r\nfirst\r\nsecond\r\nnot a position\r\n' >"$work/bad.棋譜"
for name in folder.棋譜 bad.棋譜; do
  (cd "$work" && XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy VELMORA_MEASURE_FIRST_FRAME=1 \
    timeout 60 "$app" --lang en "$name" >"$work/out" 2>"$work/err" </dev/null)
  status=$?
  [ "$status" = 0 ] || fail "$name named as the record: status $status"
  grep -q '^first-frame-ns ' "$work/out" || fail "with $name named as the record the window did not paint"
  case $name in
    folder.棋譜) want="velmora: folder.棋譜: not a regular file" ;;
    bad.棋譜) want="velmora: bad.棋譜: Line 4 of the record file is not valid: " ;;
  esac
  grep -qF "$want" "$work/err" || fail "$name named as the record: $(cat "$work/err")"
done
rm -rf "$work/folder.棋譜" "$work/bad.棋譜"
# A record's name is the bytes given, UTF-8 or not: nothing to say about it.
cp "$(dirname "$0")/../game/data/twenty_moves.棋譜" "$work/"$'\xff\xfe'".棋譜"
(cd "$work" && XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy VELMORA_MEASURE_FIRST_FRAME=1 \
  timeout 60 "$app" $'\xff\xfe'".棋譜" >"$work/out" 2>"$work/err" </dev/null)
grep -q '^velmora:' "$work/err" && fail "a record named in bytes that are not UTF-8: $(cat "$work/err")"
rm -f "$work/Velmora.ini"

# Started as the desktop entry starts it, the settings go under the user's
# configuration folder, not into the working directory.
mkdir -p "$work/home" "$work/desk"
(cd "$work/desk" && env -u XDG_CONFIG_HOME HOME="$work/home" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  VELMORA_MEASURE_FIRST_FRAME=1 timeout 60 "$app" --desktop >/dev/null 2>&1 </dev/null)
[ -s "$work/home/.config/velmora/Velmora.ini" ] || fail "--desktop kept no settings in ~/.config/velmora"
[ -e "$work/desk/Velmora.ini" ] && fail "--desktop wrote the settings into the working directory"

exit "$failed"
