#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program, the tests, the sanitizer build and
# the fuzz targets need, when missing.
set -euo pipefail
packages=(clang-14 libclang-rt-14-dev llvm-14 ccache build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev
  libqt6sql6-sqlite qt6-translations-l10n qt6-image-formats-plugins fonts-liberation
  fonts-dejavu-core libbenchmark-dev poppler-utils xvfb xauth x11-apps imagemagick locales
  cups printer-driver-cups-pdf libreoffice-dev libreoffice-writer-nogui libreoffice-calc-nogui
  openbox x11-utils xdotool)
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests run under a German and an English locale as well as C.
wanted_locales=(de_DE en_US)
need_gen=0
for l in "${wanted_locales[@]}"; do
  locale -a 2>/dev/null | grep -qx "$l.utf8" && continue
  $sudo_cmd sed -i "s/^# *\($l\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
  need_gen=1
done
[ "$need_gen" -eq 0 ] || $sudo_cmd locale-gen
