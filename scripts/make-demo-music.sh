#!/usr/bin/env bash
# Makes a small sample music folder: a few short tunes made of sox tones.
set -euo pipefail
out=$1
mkdir -p "$out"
[ -f "$out/.done" ] && exit 0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
make_song() {  # name seconds sox-synth-arguments...
  local name=$1 seconds=$2
  shift 2
  sox -n -r 44100 -c 2 -b 16 "$tmp/song.wav" synth "$seconds" "$@" vol 0.3
  lame --quiet -b 128 --tt "$name" "$tmp/song.wav" "$out/$name.mp3"
}
make_song "Morning Chimes" 6 pluck C4 pluck E4 pluck G4
make_song "Night Drive" 8 sine 110-220
make_song "Love Song" 5 pluck A3 pluck C#4 pluck E4
make_song "Rainy Day Remix" 7 triangle 330 tremolo 4
make_song "my song" 30 pluck C3 pluck G3 pluck C4 tremolo 2
touch "$out/.done"
