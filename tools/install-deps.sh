#!/usr/bin/env bash
# Installs the Debian 12 packages Rimbano needs to build, run and test, and
# only those that are missing. Run as root (or with sudo).
set -euo pipefail
packages=(
  cmake make g++ pkg-config ccache
  qt6-base-dev qt6-multimedia-dev qt6-pdf-dev qt6-qpa-plugins qt6-image-formats-plugins
  qt6-translations-l10n
  libjpeg-dev libpng-dev libbenchmark-dev
  fonts-liberation2
  xvfb xauth xdotool imagemagick poppler-utils
  cups printer-driver-cups-pdf
  lintian appstream desktop-file-utils
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
