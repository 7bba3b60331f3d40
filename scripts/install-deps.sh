#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program, the tests and the fuzz targets
# need, when missing.
set -euo pipefail
packages=(clang-14 libclang-rt-14-dev build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev
  libqt6sql6-sqlite qt6-translations-l10n qt6-image-formats-plugins fonts-liberation
  fonts-dejavu-core libbenchmark-dev poppler-utils xvfb xauth x11-apps imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
