#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# scripts/fuzz.sh [TARGET...] [--time SECONDS]
#
# Installs clang and libFuzzer, builds the fuzz targets with AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-fuzz (or $KALVORA_FUZZ_BUILD_DIR), makes their first
# corpus, and runs each TARGET (every one by default) for SECONDS (60 by default), one after
# another at the lowest priority. A target keeps its corpus in build-fuzz/corpus/TARGET, so a
# later run goes on from there; what it finds (crash-*, oom-*, timeout-*, leak-* inputs) goes to
# build-fuzz/findings/TARGET and its log to build-fuzz/logs/TARGET.log. Ends with one line per
# target: executions, executions per second, coverage (libFuzzer's cov and ft), corpus size and
# findings. Exit status 1 when a target found something.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVORA_FUZZ_BUILD_DIR:-$top/build-fuzz}
all=(fuzz_jpeg_block fuzz_own_quality fuzz_codecs fuzz_date_taken fuzz_settings fuzz_snapshot)

seconds=60
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
    --time)
        seconds=${2:?--time needs a number of seconds}
        shift 2
        ;;
    --time=*)
        seconds=${1#--time=}
        shift
        ;;
    -h | --help)
        sed -n '5,14p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    fuzz_*)
        targets+=("$1")
        shift
        ;;
    *)
        echo "fuzz.sh: unknown target or option '$1' (targets: ${all[*]})" >&2
        exit 2
        ;;
    esac
done
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

KALVORA_FUZZ=1 bash "$top/scripts/install-deps.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
    generator=()
    command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
    CC=clang CXX=clang++ cmake -S "$top" -B "$build" "${generator[@]}" -DKALVORA_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
nice -n 19 cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}" kalvora-fuzz-seeds

# The programs run as the tests do: the offscreen platform, private folders, the C locale and
# a fixed time zone.
work=$build/run
rm -rf "$work" "$build/seeds"
mkdir -p "$work"
mkdir -m 700 "$work/config" "$work/runtime" "$work/tmp"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    TMPDIR=$work/tmp TZ=UTC LANG=C.UTF-8 LC_ALL=C.UTF-8 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions=$top/cmake/lsan.supp:print_suppressions=0
ASAN_OPTIONS=detect_leaks=0 "$build/bin/kalvora-fuzz-seeds" "$build/seeds"
# Inputs that once found a fault (fuzz/regressions/TARGET-what) are seeds of their target, so
# every run tries them first.
for input in "$top"/fuzz/regressions/*; do
    seeds=$build/seeds/fuzz_$(basename "$input" | cut -d- -f1)
    [ -d "$seeds" ] && cp "$input" "$seeds/"
done

summary=()
found=0
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    findings=$build/findings/$target
    log=$build/logs/$target.log
    mkdir -p "$corpus" "$findings" "$build/logs"
    echo "fuzz.sh: running $target for $seconds s (log: $log)"
    # One worker at a time, which goes on after a finding (saved in the findings folder) until
    # the time is up. Inputs may take up to 4 GB: pictures of up to 1 GB of pixels load.
    nice -n 19 "$build/bin/$target" -fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1 \
        -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -malloc_limit_mb=4096 \
        -artifact_prefix="$findings/" "$corpus" "$build/seeds/$target" >"$log" 2>&1 || true
    stats=$(grep -E '^#[0-9]+: cov: ' "$log" | tail -n 1 || true)
    executions=$(sed -E 's/^#([0-9]+):.*/\1/' <<<"$stats")
    elapsed=$(sed -nE 's/.* time: ([0-9]+)s.*/\1/p' <<<"$stats")
    rate=
    if [ -n "$executions" ] && [ "${elapsed:-0}" -gt 0 ]; then
        rate=$((executions / elapsed))
    fi
    cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$stats")
    ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$stats")
    inputs=$(find "$corpus" -type f | wc -l)
    saved=$(find "$findings" -type f | wc -l)
    [ "$saved" -gt 0 ] && found=1
    summary+=("$(printf '%-16s %6ss  executions %-10s exec/s %-6s cov %-6s ft %-7s corpus %-6s findings %s' \
        "$target" "$seconds" "${executions:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}" "$inputs" "$saved")")
done
printf '%s\n' "${summary[@]}"
exit $found
