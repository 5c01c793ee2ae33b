# bash completion for tolvane-find.                          -*- shell-script -*-
#
# Completes the options, the forms, the category and DLL lists (read from the
# program's own --help, so they never differ from what it accepts), file names
# for the options that take a file, and the API names of the catalogue the
# command line reads (asked from tolvane-find itself). Needs plain bash only.

# The entries of one list in `tolvane-find --help`: "categories" gives the
# numbered lines after "Categories:", "dlls" the comma-separated "DLLs:" line.
_tolvane_find_list() {
    local program=$1 which=$2
    "$program" --help 2>/dev/null | {
        case $which in
        categories)
            local in_list=0 line
            while IFS= read -r line; do
                case $line in
                Categories:*) in_list=1 ;;
                *[![:space:]]*)
                    if ((in_list)); then
                        [[ $line =~ ^\ *[0-9]+\ (.*)$ ]] || break
                        # The default entry carries a remark in parentheses.
                        printf '%s\n' "${BASH_REMATCH[1]% (no condition)}"
                    fi
                    ;;
                *) ((in_list)) && break ;;
                esac
            done
            ;;
        dlls)
            local line
            local -a dlls
            while IFS= read -r line; do
                [[ $line == DLLs:* ]] || continue
                line=${line#DLLs: }
                IFS=', ' read -ra dlls <<<"${line%%, then *}"
                printf '%s\n' "${dlls[@]}"
            done
            ;;
        esac
    }
}

# Sets COMPREPLY to the words of stdin that begin with $1, quoted for the
# command line (category texts hold parentheses).
_tolvane_find_reply() {
    local cur=$1 word
    COMPREPLY=()
    while IFS= read -r word; do
        [[ -n $word && $word == "$cur"* ]] && COMPREPLY+=("$(printf '%q' "$word")")
    done
}

_tolvane_find() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]}
    COMPREPLY=()

    case $prev in
    -f | --form)
        _tolvane_find_reply "$cur" < <(printf '%s\n' vb cs vba64)
        return
        ;;
    -c | --category)
        _tolvane_find_reply "$cur" < <(_tolvane_find_list "$program" categories)
        return
        ;;
    -d | --dll)
        _tolvane_find_reply "$cur" < <(_tolvane_find_list "$program" dlls)
        return
        ;;
    -C | --catalogue | --password-file | --patterns)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
        ;;
    -l | --limit | --wait)
        return
        ;;
    esac

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W '-f --form --public -c --category -d --dll
            -t --full-text -j --json -n --names -l --limit --window-order --patterns
            -C --catalogue --password-file --crlf --wait -h --help --version' -- "$cur")
        return
    fi

    # An API name: the names of the catalogue that begin with what is typed,
    # in any letter case. Only plain names are completed: a pattern with
    # wildcards is the user's to finish.
    [[ $cur =~ ^[A-Za-z_][A-Za-z0-9_]+$ ]] || return
    local -a source=()
    local i
    for ((i = 1; i < COMP_CWORD - 1; i++)); do
        case ${COMP_WORDS[i]} in
        -C | --catalogue) source+=(--catalogue "${COMP_WORDS[i + 1]}") ;;
        --password-file) source+=(--password-file "${COMP_WORDS[i + 1]}") ;;
        esac
    done
    local name lower=${cur,,}
    while IFS= read -r name; do
        [[ ${name,,} == "$lower"* ]] && COMPREPLY+=("$name")
    done < <("$program" "${source[@]}" --names --limit 0 "$cur" 2>/dev/null)
}

complete -F _tolvane_find tolvane-find
