#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# completion.sh BIN DATA: the bash completion of kalvora-stamp completes options and their
# values as a shell would, and the zsh and fish completions name every option the program's
# --help lists.
set -u
bin=$1 data=$2
[ -f /usr/share/bash-completion/bash_completion ] || { echo "SKIP: no bash-completion"; exit 77; }
export PATH=$bin:$PATH
fail=0
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1091
source "$data/completions/kalvora-stamp.bash"
# complete LINE...: what Tab offers after the words of LINE (the last one being completed).
complete_line() {
    COMP_WORDS=(kalvora-stamp "$@")
    COMP_CWORD=$#
    COMP_LINE="kalvora-stamp $*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _kalvora_stamp
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}
check() {
    local got
    got=$(complete_line "${@:2}")
    if [ "$got" = "$1" ]; then echo "PASS: ${*:2} -> $got"; else echo "FAIL: ${*:2} -> '$got', not '$1'"; fail=1; fi
}
check "--position " --posi
check "Lower-Left Lower-Right " --position Lower-
check "taken " --date t
check "box " --style b
check "Datestamp Datestamp\ And\ Timestamp " --format Date
check "filename " --no-date-taken f
check "--skip-stamped " --skip

options=$(kalvora-stamp --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || { echo "FAIL: kalvora-stamp --help lists no options"; exit 1; }
offered=$(complete_line --)
for option in $options; do
    [[ " $offered " == *" $option "* ]] || { echo "FAIL: bash does not offer $option"; fail=1; }
    grep -q -- "$option\[" "$data/completions/_kalvora-stamp" \
        || { echo "FAIL: zsh does not know $option"; fail=1; }
    grep -q -- "-l ${option#--} " "$data/completions/kalvora-stamp.fish" \
        || { echo "FAIL: fish does not know $option"; fail=1; }
done
echo "checked $(echo "$options" | wc -l) options"
exit $fail
