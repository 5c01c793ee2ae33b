#!/usr/bin/env bash
# The man page and the bash completion know every option tolvane-find's
# --help lists and no other, and the man page lists the same categories and
# DLLs.
# Usage: command_line_docs.sh TOLVANE_FIND PACKAGING_DIR
set -uo pipefail
find=$1 packaging=$2
man="$packaging/tolvane-find.1.in" completion="$packaging/tolvane-find.bash"
help=$("$find" --help) || { echo "FAIL: $find --help"; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The option lines of --help begin with blanks and a dash.
options=$(grep -E '^ +-' <<<"$help" | grep -oE -- '(^|[ ,])--?[a-zA-Z][a-z-]*' | tr -d ' ,' | sort -u)
[[ -n $options ]] || fail "no options found in --help"
for option in $options; do
  grep -qF -- "${option//-/\\-}" "$man" || fail "the man page lacks $option"
  grep -qE -- "(^|[' ])$option( |'|\$)" "$completion" || fail "the completion lacks $option"
done
# The other way round: every option the man page describes (its .TP
# entries) is one --help lists.
man_options=$(grep -A1 -E '^\.TP' "$man" | grep -oE -- '^\.B[IR]? \\-[^ ]*( "?, "? ?\\-\\-[a-z\\-]*)?' |
  grep -oE -- '\\-(\\-)?[a-zA-Z][a-zA-Z\\-]*' | sed 's/\\//g' | sort -u)
for option in $man_options; do
  grep -qx -- "$option" <<<"$options" || fail "the man page describes $option, which --help lacks"
done

# "   N text" lines after "Categories:", against the man page's table.
help_categories=$(sed -n '/^Categories:/,/^[^ ]/p' <<<"$help" | sed -n 's/^ *\([0-9][0-9]*\) \(.*\)/\1 \2/p' |
  sed 's/ (no condition)$//')
man_categories=$(sed -n '/^\.TS/,/^\.TE/p' "$man" | sed -n 's/^\([0-9][0-9]*\)\t\(.*\)/\1 \2/p' |
  sed 's/ (no condition, the default)$//')
[[ $help_categories == "$man_categories" ]] ||
  fail "categories differ: --help:"$'\n'"$help_categories"$'\n'"man page:"$'\n'"$man_categories"

help_dlls=$(sed -n 's/^DLLs: \(.*\), then .*/\1/p' <<<"$help" | tr -d ',')
man_dlls=$(sed -n "/^The DLL list's fixed entries are/,/\.\$/p" "$man" | tr '\n' ' ' |
  sed "s/The DLL list's fixed entries are //; s/ and / /; s/\. *\$//; s/,//g; s/  */ /g")
[[ $help_dlls == "$man_dlls" ]] || fail "DLLs differ: --help: $help_dlls; man page: $man_dlls"

((failures == 0)) || exit 1
echo "command-line docs: $(wc -w <<<"$options") options, categories and DLLs agree"
