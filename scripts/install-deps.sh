#!/usr/bin/env bash
# Installs the Debian packages the build, tests and demo need, if missing.
set -euo pipefail

packages=(cmake make g++ googletest libgtest-dev libbenchmark-dev g++-mingw-w64-x86-64
          locales wine wine64 xvfb xauth x11-apps imagemagick pulseaudio lame sox libsox-fmt-mp3
          nsis clang clang-format libclang-rt-dev)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
