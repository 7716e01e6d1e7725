# SPDX-FileCopyrightText: 2026 Vendrel
# SPDX-License-Identifier: GPL-3.0-or-later
#
# bash completion for kalvora-stamp: its options, the values of those that take a choice, and
# pictures and folders otherwise.
_kalvora_stamp()
{
    local cur prev words cword
    _init_completion || return
    local IFS=$'\n'
    case $prev in
    --date) COMPREPLY=($(compgen -W $'created\ntaken\nmodified\naccessed' -- "$cur")); return ;;
    --format)
        COMPREPLY=($(compgen -W $'Timestamp And Datestamp\nDatestamp And Timestamp\nTimestamp\nDatestamp' -- "$cur"))
        COMPREPLY=("${COMPREPLY[@]// /\\ }")
        return ;;
    --position)
        COMPREPLY=($(compgen -W $'Upper-Left\nUpper-Right\nLower-Left\nLower-Right\nCenter-Top\nCenter-Left\nCenter-Right\nCenter-Bottom\nCenter' -- "$cur"))
        return ;;
    --style) COMPREPLY=($(compgen -W $'plain\noutline\nshadow\nbox' -- "$cur")); return ;;
    --no-date-taken)
        COMPREPLY=($(compgen -W $'sentence\nfilename\nmodified\nskip' -- "$cur")); return ;;
    --output) _filedir -d; return ;;
    --font)
        COMPREPLY=($(compgen -W "$(fc-list : family 2>/dev/null | cut -d, -f1 | sort -u)" -- "$cur"))
        COMPREPLY=("${COMPREPLY[@]// /\\ }")
        return ;;
    --text | --user-date | --user-time | --size | --color | --quality | --size-percent | \
        --style-color | --box-opacity | --margin-percent | --date-format | --locale | \
        --time-shift | --extension | --jobs)
        return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_kalvora_stamp_options)" -- "$cur"))
        return
    fi
    _filedir
}

# The options as the program's own help lists them, so the list never lags behind it.
_kalvora_stamp_options()
{
    kalvora-stamp --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u
}

complete -F _kalvora_stamp kalvora-stamp
