#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package kalvora_VERSION_amd64.deb in the build folder ($KALVORA_BUILD_DIR or
# ./build), after building what is out of date. Install it with: sudo apt install ./build/kalvora_*.deb
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVORA_BUILD_DIR:-$top/build}
case "${KALVORA_SANITIZE:-}" in
ON | on | 1 | true | yes) build=${KALVORA_BUILD_DIR:-$top/build-asan} ;;
esac
export KALVORA_BUILD_DIR=$build
# The same flags as the test command, which builds in the same folder.
export KALVORA_WERROR=${KALVORA_WERROR:-ON}
bash "$top/scripts/build.sh"
cd "$build"
rm -f kalvora_*.deb
cpack -G DEB >/dev/null
ls "$build"/kalvora_*.deb
