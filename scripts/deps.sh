#!/usr/bin/env bash
# Installs, with apt-get, whatever of the build and test packages is missing.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-serialport-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev
  xvfb xauth poppler-utils fonts-wqy-microhei locales
  x11-utils x11-apps netpbm qt6-translations-l10n
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
