#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs every Debian package Kalvora needs to build, test and run. Works as root or through
# sudo, and returns at once when everything is already installed. With KALVORA_FUZZ=1 it also
# installs what the fuzz targets need (clang with libFuzzer and its sanitizer runtimes).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev-tools qt6-image-formats-plugins
    qt6-l10n-tools qt6-translations-l10n locales libgl-dev
    libimage-exiftool-perl
    libimagequant-dev libgif-dev libjpeg62-turbo-dev libexiv2-dev libtiff-dev libwebp-dev
    zlib1g-dev libssl-dev libxxhash-dev
    libheif-dev libde265-0 libx265-199 libdav1d6 libaom3
    fonts-liberation
    clang-format
    xvfb xauth imagemagick x11-utils xdotool openbox dbus-daemon bash-completion
    libqt6svg6 help2man librsvg2-bin dpkg-dev desktop-file-utils appstream lintian man-db
)
case "${KALVORA_FUZZ:-}" in
ON | on | 1 | true | yes) packages+=(clang libfuzzer-14-dev libclang-rt-14-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    run=()
elif command -v sudo >/dev/null 2>&1; then
    run=(sudo)
else
    echo "install-deps: missing packages (${missing[*]}) and neither root nor sudo" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -qq
"${run[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
