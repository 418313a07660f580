#!/usr/bin/env bash
# The demo's chat session; runs inside the private Wine of with-wine.sh.
# Args: the dist folder, a scratch folder for the demo's program copy.
set -euo pipefail
dist=$1
work=$2
root=$(cd "$(dirname "$0")/.." && pwd)
aolsim="$dist/tools/aolsim.exe"

# A copy of the program folder whose music folder is already chosen, so the
# demo skips the first start's questions.
rm -rf "$work/Sonorix"
cp -r "$dist/Sonorix" "$work/Sonorix"
# The music lives where a user might keep it, C:\Music, so no path of the
# build machine shows in the room.
"$root/scripts/make-demo-music.sh" "$WINEPREFIX/drive_c/Music"
printf '[Sonorix]\r\nMP3 DIR=C:\\Music\r\n' > "$work/Sonorix/ini files/sonorix.ini"

wine "$aolsim" --name "Dorvin" --room "Sonorix Lounge" \
  --script "$(winepath -w "$root/scripts/demo-room.txt")" &
client=$!
until wine "$aolsim" --send "maxlines 1000" 2>/dev/null; do sleep 0.5; done

wine "$work/Sonorix/Sonorix.exe" &
sonorix=$!
# The splash takes about five seconds; the scripted chat then runs for about
# twenty-five more.
sleep 36
[ -n "${DEMO_SCREENSHOT:-}" ] && xwd -root -silent | convert xwd:- -crop 1280x720+0+0 +repage "$DEMO_SCREENSHOT"
wine "$aolsim" --send "dump $(winepath -w "$work/transcript.txt")"
echo "--- the room's transcript ---"
iconv -f utf-8 -t utf-8 "$work/transcript.txt"

if [ "${WINE_USE_DISPLAY:-0}" = 1 ]; then
  echo "Both windows stay up; close the client to end the demo."
  wait "$client"
else
  wine "$aolsim" --send "quit" || true
  wait "$client" || true
fi
kill "$sonorix" 2>/dev/null || true
