#!/usr/bin/env bash
# Installs the setup program into a fresh Wine prefix, as a user would:
# silent install, the installed program against the stand-in client, an
# upgrade, the windows at three display scales, silent uninstalls, and an
# install into a folder that holds the user's own files.
# Runs inside with-wine.sh, which gives it a display and sound.
# Args: the installer test program, the in-process test program that
# carries the exe's resources, the setup program.
set -euo pipefail
tests=$1
resources=$2
setup=$3
[ -f "$setup" ] || { echo "No setup program at $setup: make installer builds it" >&2; exit 1; }

WINEPREFIX=$(cd "$(dirname "$tests")/.." && pwd)/installer-prefix
export WINEPREFIX
# Wine's menu builder reads a new shortcut's target for its icon, in the
# background; an uninstall that comes right after an install then finds the
# exe still open and cannot remove its folder.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
rm -rf "$WINEPREFIX"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
SONORIX_SETUP=$(winepath -w "$setup")
export SONORIX_SETUP

wine "$tests" --gtest_filter='Setup.*'
for dpi in 96 144 192; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  SONORIX_TEST_DPI=$dpi wine "$tests" --gtest_filter='ProgramAtScale.*'
  SONORIX_TEST_DPI=$dpi wine "$resources" --gtest_filter='WindowsAtScale.*'
done
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wine "$tests" --gtest_filter='Uninstaller.*'
wine "$tests" --gtest_filter='SharedFolder.*'
