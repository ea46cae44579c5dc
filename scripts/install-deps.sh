#!/bin/sh
# Installs the Debian 12 packages that Wrenpad needs to build, run and test.
# Only packages that are missing are installed, so a second run is quick.
set -eu

PACKAGES="
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev qt6-svg-dev qt6-wayland
  qt6-webengine-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev libjpeg-dev zlib1g-dev libuchardet-dev libtidy-dev tidy
  fonts-ipafont-gothic fonts-noto-cjk fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool xterm imagemagick
  xdg-utils shared-mime-info desktop-file-utils lintian appstream
  g++ gcc default-jdk-headless fp-compiler perl lighttpd
"

missing=""
for pkg in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $pkg"
  fi
done

if [ -n "$missing" ]; then
  SUDO=""
  if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
  echo "Installing:$missing"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
