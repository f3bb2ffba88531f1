#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing Quiltra need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libqt6opengl6-dev qt6-image-formats-plugins qt6-qpa-plugins qt6-translations-l10n
  libgl-dev libxkbcommon-dev
  libcanberra-dev libasound2-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils imagemagick metacity
  pulseaudio pulseaudio-utils libcanberra-pulse sox
  libjpeg-turbo-progs
  fonts-dejavu-core
)
if [ "${1:-}" = "--test" ]; then
  packages+=(clang-14 libclang-rt-14-dev dpkg-dev desktop-file-utils appstream universal-ctags)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
