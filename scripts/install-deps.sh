#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Morvane
# need. Packages already present are left alone; nothing happens when all are.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config clang
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  zlib1g-dev libjpeg62-turbo-dev libpng-dev libfreetype-dev libfontconfig-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth
  zbar-tools qpdf poppler-utils
)
if [ "${MORVANE_EXTRA_PACKAGES:-}" ]; then
  read -r -a extra <<<"$MORVANE_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
