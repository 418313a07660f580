#!/usr/bin/env bash
# Runs the Windows benchmarks; inside with-wine.sh. Large folders of empty
# song files are made here: Wine creates files in a big folder slowly. Each
# part adds its figures to one table, printed at the end.
set -euo pipefail
bin=$1
folder=$(dirname "$bin")/bench-100k-songs
if [ ! -f "$folder/.done" ]; then
  mkdir -p "$folder"
  (cd "$folder" && seq 0 99999 | sed 's/.*/Artist & - Track &.mp3/' | tr '\n' '\0' | xargs -0 touch)
  touch "$folder/.done"
fi
summary=$(dirname "$bin")/bench-summary.txt
rm -f "$summary"
SONORIX_BENCH_SUMMARY=$(winepath -w "$summary")
export SONORIX_BENCH_SUMMARY
large=$(winepath -w "$folder")
wine "$bin/wine_bench.exe" program
wine "$bin/wine_bench.exe" calls
wine "$bin/wine_bench.exe" steps
wine "$bin/wine_bench.exe" playback
wine "$bin/wine_bench.exe" gapless
wine "$bin/wine_bench.exe" floor
wine "$bin/wine_bench.exe" listing "$large"
wine "$bin/wine_bench.exe" large "$large" 100000
wine "$bin/wine_bench.exe" memory
wine "$bin/wine_bench.exe" memory "$large"
wine "$bin/wine_bench.exe" summary "$SONORIX_BENCH_SUMMARY"
