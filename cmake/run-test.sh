#!/bin/sh
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# run-test.sh ZONE PROGRAM [ARGS...]: runs one test program in a fresh private environment, so
# no test reads the user's settings or another test's leftovers.
zone=$1
shift
work=$(mktemp -d "${TMPDIR:-/tmp}/kalvora-test.XXXXXX") || exit 1
mkdir -m 700 "$work/config" "$work/runtime" "$work/tmp"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    TMPDIR="$work/tmp" TZ="$zone" LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE= "$@"
status=$?
rm -rf "$work"
exit $status
