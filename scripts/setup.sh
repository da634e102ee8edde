#!/usr/bin/env bash
# Installs the Debian packages that Vantegra needs to build, run and test; quick when they are there.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev
          qt6-base-dev qt6-base-dev-tools libgl-dev libzip-dev libfluidsynth-dev
          timgm6mb-soundfont fonts-urw-base35)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
