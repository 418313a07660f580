#!/usr/bin/env bash
# Runs the Windows benchmarks; inside with-wine.sh.
set -euo pipefail
wine "$1/wine_bench.exe"
