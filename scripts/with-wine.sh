#!/usr/bin/env bash
# Runs a command with a private Wine: its own prefix under the build folder,
# its own Xvfb display (unless WINE_USE_DISPLAY=1 and $DISPLAY is set), and
# its own PulseAudio daemon with a null sink, so waveOut plays in real time
# and silently. Everything it starts is stopped by PID when the command ends.
set -euo pipefail

build=${SONORIX_BUILD:-$(cd "$(dirname "$0")/.." && pwd)/build}
mkdir -p "$build"
build=$(cd "$build" && pwd)
state=$build/wine-run.$$
mkdir -p "$state/xdg" "$build/wine-home"
chmod 700 "$state/xdg"

pids=()
cleanup() {
  set +e
  WINEPREFIX=$WINEPREFIX wineserver -k >/dev/null 2>&1
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$state"
}
trap cleanup EXIT

export WINEPREFIX=$build/wineprefix
export WINEDEBUG=-all
# No debugger for a program that crashes: it would wait for nobody until
# the test's time limit, where the crash should end the test at once.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
# The prefix links Desktop and the other user folders into HOME: it must
# outlive the run that made the prefix.
export HOME=$build/wine-home
export XDG_RUNTIME_DIR=$state/xdg

if [ "${WINE_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
  pids+=($!)
  read -r -t 30 number <&"$fd" || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$number
fi

pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
  -L module-null-sink -L module-native-protocol-unix >"$state/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break; sleep 0.1; done

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  # Without a window manager, Wine stalls on every hidden top-level window
  # unless its windows are unmanaged.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
fi

"$@"
