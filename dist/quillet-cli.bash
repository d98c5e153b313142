# bash completion for quillet-cli
#
# The commands and their options are read from quillet-cli's own --help, so that a command
# added to the program is completed with no change here; the project names come from
# "quillet-cli list", on the project file given with --project-file.

# The lines of one section ("Usage:", "Commands:") of a help text on standard input.
_quillet_cli_section()
{
    awk -v title="$1" '$0 == title { on = 1; next } /^$/ { on = 0 } on'
}

_quillet_cli()
{
    local cur prev words cword split
    _init_completion -s || return

    local program=${words[0]/#\~/$HOME}
    local help usage
    help=$("$program" --help 2>/dev/null) || return
    usage=$(_quillet_cli_section Usage: <<<"$help")

    # The options that take a value, and what the value is: "--menu-file FILE".
    local -A values=()
    local option value
    while read -r option value; do
        values[$option]=$value
    done < <(grep -oE -- '--[a-z-]+ [A-Z#][A-Z]*' <<<"$usage")

    # The command is the first word that is neither an option nor an option's value.
    local command="" word i positionals=0 ended=""
    local -a project_file=()
    for ((i = 1; i < cword; i++)); do
        word=${words[i]}
        if [[ $ended || $word != -* ]]; then
            if [[ -z $command ]]; then command=$word; else ((positionals++)); fi
        elif [[ $word == -- ]]; then
            ended=1
        elif [[ $word == --project-file=* ]]; then
            project_file=("--project-file=${word#*=}")
        elif [[ ${values[$word]+set} ]]; then
            if [[ $word == --project-file ]]; then
                project_file=(--project-file "${words[i + 1]/#\~/$HOME}")
            fi
            ((i++))
        fi
    done

    if [[ ! $ended && ${values[$prev]+set} ]]; then
        # Paths for FILE and PAGE; a colour cannot be guessed.
        [[ ${values[$prev]} == FILE || ${values[$prev]} == PAGE ]] && _filedir
        return
    fi
    $split && return

    if [[ -z $command && $cur != -* ]]; then
        COMPREPLY=($(compgen -W "$(_quillet_cli_section Commands: <<<"$help" |
            awk '/^  [a-z]/ { print $1 }')" -- "$cur"))
        return
    fi

    # Before the command every option; after it, the command's own.
    if [[ $command ]]; then
        usage=$("$program" "$command" --help 2>/dev/null | _quillet_cli_section Usage:)
    fi
    if [[ ! $ended && $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(grep -oE -- '--[a-z-]+' <<<"$usage" | sort -u) --help" \
            -- "$cur"))
    elif ((positionals == 0)) && [[ $usage == *" NAME"* ]]; then
        local name quoted
        while IFS= read -r name; do
            [[ $name == "$cur"* ]] || continue
            printf -v quoted %q "$name"
            COMPREPLY+=("$quoted")
        done < <("$program" "${project_file[@]}" list 2>/dev/null)
    elif [[ $usage == *" PATH"* ]]; then
        _filedir
    fi
} &&
    complete -F _quillet_cli quillet-cli

# ex: filetype=sh
