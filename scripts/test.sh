#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds with warnings as errors, checks the formatting, builds the
# Debian package (which a test then installs into a private root) and runs every test. The last
# line printed is CTest's summary. With KALVORA_SANITIZE=ON all of it is done in ./build-asan
# with AddressSanitizer and UndefinedBehaviorSanitizer, and a fault they find fails its test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
export KALVORA_WERROR=ON
case "${KALVORA_SANITIZE:-}" in
ON | on | 1 | true | yes) export KALVORA_BUILD_DIR=${KALVORA_BUILD_DIR:-$top/build-asan} ;;
esac
bash "$top/scripts/build.sh"
bash "$top/scripts/check-format.sh"
bash "$top/scripts/package.sh" >/dev/null
cd "${KALVORA_BUILD_DIR:-$top/build}"
ctest --output-on-failure --parallel "$(nproc)"
