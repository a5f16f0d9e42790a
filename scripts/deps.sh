#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# program need and the machine lacks.
set -euo pipefail
packages=(
  build-essential cmake ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libqpdf-dev libssl-dev libzip-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool imagemagick
  poppler-utils
  libreoffice-calc-nogui
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
