#!/usr/bin/env bash
# Builds the setup program and the portable zip from make dist's folder:
# <dist>/Sonorix-<version>-setup.exe and <dist>/Sonorix-<version>-portable.zip.
# Args: the Windows build folder, the dist folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
win=$(cd "$1" && pwd)
dist=$(cd "$2" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$win/CMakeCache.txt")
[ -n "$version" ] || { echo "No project version in $win/CMakeCache.txt" >&2; exit 1; }

setup=$dist/Sonorix-$version-setup.exe
zip=$dist/Sonorix-$version-portable.zip
# -WX: a warning fails the build like an error.
makensis -V2 -WX -NOCD -DVERSION="$version" -DDIST="$dist" -DICON="$root/src/app/win32/sonorix.ico" \
  -DOUTFILE="$setup" "$root/installer/sonorix.nsi"
rm -f "$zip"
(cd "$dist" && cmake -E tar cf "$zip" --format=zip Sonorix tools)
echo "Setup program: $setup"
echo "Portable zip: $zip"
