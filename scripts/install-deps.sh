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
# Each subsystem lists what its tests need in scripts/packages/<area>.deb
# (Debian packages) and <area>.npm (npm packages), one name per line.
here=$(cd "$(dirname "$0")" && pwd)
for list in "$here"/packages/*.deb; do
  [ -e "$list" ] || continue
  while read -r p; do [ -n "$p" ] && [ "${p:0:1}" != "#" ] && packages+=("$p"); done <"$list"
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# npm packages go into build-node/ of the checkout (tests get NODE_PATH).
npm_packages=()
for list in "$here"/packages/*.npm; do
  [ -e "$list" ] || continue
  while read -r p; do [ -n "$p" ] && [ "${p:0:1}" != "#" ] && npm_packages+=("$p"); done <"$list"
done
if [ ${#npm_packages[@]} -gt 0 ]; then
  node_dir="$here/../build-node"
  need=()
  for p in "${npm_packages[@]}"; do
    name=${p%@*}; [ -z "$name" ] && name=$p
    [ -d "$node_dir/node_modules/$name" ] || need+=("$p")
  done
  if [ ${#need[@]} -gt 0 ]; then
    command -v npm >/dev/null || { echo "npm is needed for: ${need[*]}"; exit 1; }
    mkdir -p "$node_dir"
    npm install --silent --no-audit --no-fund --prefix "$node_dir" "${need[@]}"
  fi
fi
