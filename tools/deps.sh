#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and printing need, only those missing.
set -euo pipefail
packages=(
    cmake ninja-build g++ qt6-base-dev
    xvfb xauth x11-utils x11-apps xdotool imagemagick
    cups printer-driver-cups-pdf poppler-utils
    fonts-texgyre fonts-liberation2 fonts-dejavu-core
    qt6-base-private-dev libx11-dev desktop-file-utils appstream dpkg-dev file
)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
sudo=
[[ $(id -u) -eq 0 ]] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
