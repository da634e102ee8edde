#!/usr/bin/env bash
# Installs the Debian packages that Vantegra needs to build, run and test; quick when they are there.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev
          qt6-base-dev qt6-base-dev-tools libgl-dev libzip-dev libfluidsynth-dev
          timgm6mb-soundfont fonts-urw-base35 qt6-translations-l10n)
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

# Documents name "Century Gothic", which Linux lacks: resolve it to its metric-compatible stand-in
# URW Gothic, as the distribution's metric-alias packages do for the fonts they replace, so that a
# word processor lays the pages out as the program counts them.
alias_conf=/etc/fonts/conf.d/30-vantegra-century-gothic.conf
alias_xml='<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <alias binding="same">
    <family>Century Gothic</family>
    <accept>
      <family>URW Gothic</family>
    </accept>
  </alias>
</fontconfig>'
if [ "$(cat "$alias_conf" 2>/dev/null)" != "$alias_xml" ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  printf '%s\n' "$alias_xml" | $sudo tee "$alias_conf" >/dev/null
fi
