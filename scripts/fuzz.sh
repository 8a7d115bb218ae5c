#!/usr/bin/env bash
# Builds the file-reader fuzz targets with clang (libFuzzer + AddressSanitizer)
# and runs each briefly over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${MORVANE_FUZZ_SECONDS:-10}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DMORVANE_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"
shopt -s nullglob
for target in build-fuzz/fuzz/*_fuzz; do
  name=$(basename "$target")
  corpus=fuzz/corpus/${name%_fuzz}
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
  echo "fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 "$work" 2>"$work.log" || {
    tail -n 60 "$work.log"; echo "FUZZ FAILURE: $name"; exit 1; }
  rm -rf "$work" "$work.log"
done
