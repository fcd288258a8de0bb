#!/usr/bin/env bash
# Runs every NAME.txt of the corpus through velmora-script in a fresh working
# directory and compares standard output with NAME.out, byte for byte.
set -u
script_bin=$1
corpus=$2
work=$3
failed=0
count=0
for input in "$corpus"/*.txt; do
  [ -e "$input" ] || continue
  name=$(basename "$input" .txt)
  expected="$corpus/$name.out"
  dir="$work/$name"
  rm -rf "$dir" && mkdir -p "$dir"
  # A scenario may bring files of its own (NAME.files/) into its working directory.
  if [ -d "$corpus/$name.files" ]; then cp -r "$corpus/$name.files/." "$dir/"; fi
  (cd "$dir" && "$script_bin" "$input" >"$dir/actual.out" 2>"$dir/stderr.txt")
  count=$((count + 1))
  if ! cmp -s "$expected" "$dir/actual.out"; then
    echo "FAIL $name"
    diff -u "$expected" "$dir/actual.out" | head -n 40
    failed=$((failed + 1))
  fi
done
echo "$((count - failed)) passed, $failed failed"
[ "$count" -gt 0 ] && [ "$failed" -eq 0 ]
