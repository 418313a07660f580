#!/usr/bin/env bash
# The demo's chat session; runs inside the private Wine of with-wine.sh.
set -euo pipefail
dist=$1
root=$(cd "$(dirname "$0")/.." && pwd)
transcript=$(mktemp -d)/transcript.txt

wine "$dist/tools/aolsim.exe" --name "Dorvin" --room "Sonorix Lounge" \
  --script "$(winepath -w "$root/scripts/demo-room.txt")" &
client=$!
until wine "$dist/tools/aolsim.exe" --send "maxlines 1000" 2>/dev/null; do sleep 0.5; done

wine "$dist/Sonorix/Sonorix.exe"
sleep 3
wine "$dist/tools/aolsim.exe" --send "dump $(winepath -w "$transcript")"
echo "--- the room's transcript ---"
cat "$transcript"

if [ "${WINE_USE_DISPLAY:-0}" = 1 ]; then
  echo "Both windows stay up; close the client to end the demo."
  wait "$client"
else
  [ -n "${DEMO_SCREENSHOT:-}" ] && xwd -root -silent | convert xwd:- "$DEMO_SCREENSHOT"
  wine "$dist/tools/aolsim.exe" --send "quit" || true
  wait "$client" || true
fi
