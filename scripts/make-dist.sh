#!/usr/bin/env bash
# Lays out the program folder: the exe beside its installed data folders,
# and the stand-in client under tools/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
win=$1
dist=$2

rm -rf "$dist"
mkdir -p "$dist/Sonorix/ini files" "$dist/tools"
cp "$win/bin/Sonorix.exe" "$dist/Sonorix/"
cp -r "$root/data/presets" "$root/data/styles" "$dist/Sonorix/"
cp "$win/bin/aolsim.exe" "$dist/tools/"
echo "Program folder: $dist/Sonorix"
