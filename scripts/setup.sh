#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, test and run the program.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-dev qt6-base-dev libgl-dev
          libx11-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
          fonts-urw-base35 librsvg2-bin file desktop-file-utils appstream debootstrap
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libnss-wrapper python3
          x11-utils twm)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
