#!/usr/bin/env bash
# Starts the stand-in client with a sample room, then Sonorix with a sample
# music folder, plays a short chat session and prints the room's transcript.
# On a real display both windows stay up until the client is closed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=$(cd "$1" && pwd)
work=$root/build/demo
mkdir -p "$work"
export SONORIX_BUILD=$root/build
[ -n "${DISPLAY:-}" ] && export WINE_USE_DISPLAY=1
exec "$root/scripts/with-wine.sh" "$root/scripts/demo-session.sh" "$dist" "$work"
