#!/usr/bin/env bash
# Installs every package that building, running and testing Coinwell needs on Debian 12.
set -euo pipefail
# fonts-dejavu-core: the screens' sans-serif font. fontconfig asks for any one of several fonts,
# which fonts-liberation already satisfies, and Liberation has no face that stands in for a plain
# sans-serif: every caption would fall back to Liberation Mono and no longer fit.
# openbox: the window manager of the screen tests that need windows with frames.
# dpkg-dev and file: the Debian package's library dependencies (dpkg-shlibdeps); desktop-file-utils
# and appstream: the tests that check the desktop entry and the software-centre metadata.
# libxlsxwriter-dev: the Home Budget's workbook export; zlib1g-dev: its tests unpack the workbook.
packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libgl-dev
    libhunspell-dev hunspell-en-us fonts-liberation fonts-dejavu-core
    libxlsxwriter-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth openbox
    dpkg-dev file desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
