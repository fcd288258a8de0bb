#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Velmora needs.
# Idempotent: asks apt only for what is missing, and is quiet when nothing is.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libsdl2-dev python3 alsa-utils
  fonts-ipafont-mincho fonts-ipafont-gothic
  clang libclang-rt-14-dev clang-format
  xvfb xdotool x11-apps imagemagick
  at-spi2-core python3-pyatspi dbus-daemon
  xdg-utils gettext tesseract-ocr
  appstream desktop-file-utils shared-mime-info libfile-mimeinfo-perl man-db groff-base
  dpkg-dev lintian fontconfig libfontconfig-dev fonts-dejavu-core strace
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
