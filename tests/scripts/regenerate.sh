#!/usr/bin/env bash
# Regenerates NAME.out (and NAME.err, kept only when the script writes to
# standard error) for the given NAME.txt files from a built velmora-script,
# each run in a fresh empty directory, with NAME.args, exactly as
# run_corpus.sh runs it.
# Usage: regenerate.sh BUILD/src/script/velmora-script tests/scripts/NAME.txt ...
set -eu
bin=$(realpath "$1"); shift
for input in "$@"; do
  abs=$(realpath "$input"); name=$(basename "$abs" .txt); dir=$(mktemp -d)
  # A scenario may bring files of its own (NAME.files/), as run_corpus.sh copies them.
  if [ -d "$(dirname "$abs")/$name.files" ]; then cp -r "$(dirname "$abs")/$name.files/." "$dir/"; fi
  options=()
  [ -e "$(dirname "$abs")/$name.args" ] && read -r -a options <"$(dirname "$abs")/$name.args"
  (cd "$dir" && "$bin" "${options[@]}" "$abs" > "$(dirname "$abs")/$name.out" 2> "$dir/$name.err")
  if [ -s "$dir/$name.err" ]; then mv "$dir/$name.err" "$(dirname "$abs")/"; else rm -f "$(dirname "$abs")/$name.err"; fi
  rm -rf "$dir"
done
