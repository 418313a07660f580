#!/usr/bin/env bash
# Runs the Windows benchmarks; inside with-wine.sh. Large folders of empty
# song files are made here: Wine creates files in a big folder slowly.
set -euo pipefail
bin=$1
folder=$(dirname "$bin")/bench-100k-songs
if [ ! -f "$folder/.done" ]; then
  mkdir -p "$folder"
  (cd "$folder" && seq 0 99999 | sed 's/.*/Artist & - Track &.mp3/' | tr '\n' '\0' | xargs -0 touch)
  touch "$folder/.done"
fi
wine "$bin/wine_bench.exe" program
wine "$bin/wine_bench.exe" calls
wine "$bin/wine_bench.exe" steps
wine "$bin/wine_bench.exe" playback
wine "$bin/wine_bench.exe" gapless
wine "$bin/wine_bench.exe" floor
wine "$bin/wine_bench.exe" listing "$(winepath -w "$folder")"
wine "$bin/wine_bench.exe" large "$(winepath -w "$folder")" 100000
