#!/usr/bin/env bash
# Runs every NAME.txt of the corpus through velmora-script in a fresh working
# directory, with the options in NAME.args before it when there is one
# ("--lang en"). Standard output must be exactly NAME.out; standard error exactly
# NAME.err, or empty when there is none (a sanitizer's report, a refused line
# nobody expected); the exit status 0.
#
#   run_corpus.sh VELMORA_SCRIPT CORPUS_DIR WORK_DIR [ADDRESS_SPACE_KIB]
set -u
script_bin=$1
corpus=$2
work=$3
memory=${4:-unlimited}
failed=0
count=0
for input in "$corpus"/*.txt; do
  [ -e "$input" ] || continue
  name=$(basename "$input" .txt)
  dir="$work/$name"
  rm -rf "$dir" && mkdir -p "$dir"
  # A scenario may bring files of its own (NAME.files/) into its working directory.
  if [ -d "$corpus/$name.files" ]; then cp -r "$corpus/$name.files/." "$dir/"; fi
  options=()
  [ -e "$corpus/$name.args" ] && read -r -a options <"$corpus/$name.args"
  (ulimit -v "$memory" && cd "$dir" && exec "$script_bin" "${options[@]}" "$input" >"$dir/actual.out" 2>"$dir/actual.err")
  status=$?
  count=$((count + 1))
  expected_err=/dev/null
  [ -e "$corpus/$name.err" ] && expected_err=$corpus/$name.err
  if [ "$status" -ne 0 ] || ! cmp -s "$corpus/$name.out" "$dir/actual.out" || ! cmp -s "$expected_err" "$dir/actual.err"; then
    echo "FAIL $name (exit status $status)"
    diff -u "$corpus/$name.out" "$dir/actual.out" | head -n 40
    diff -u "$expected_err" "$dir/actual.err" | head -n 40
    failed=$((failed + 1))
  fi
done
echo "$((count - failed)) passed, $failed failed"
[ "$count" -gt 0 ] && [ "$failed" -eq 0 ]
