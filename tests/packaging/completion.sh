#!/usr/bin/env bash
# Drives the bash completion of tolvane-find as bash would on a TAB, against
# the built program and a small catalogue.
# Usage: completion.sh TOLVANE_FIND COMPLETION_SCRIPT CATALOGUE
set -uo pipefail
find=$1 catalogue=$3
# shellcheck source=/dev/null
source "$2"
failures=0

# The words bash would offer for the command line "$@", the last word being
# the one completed, sorted and joined by blanks.
offered() {
  COMP_WORDS=("$find" "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _tolvane_find
  printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd' '
}
expect() {
  local want=$1 got
  shift
  got=$(offered "$@")
  [[ $got == "$want" ]] || { echo "FAIL: tolvane-find $* <TAB>: '$got', expected '$want'"; failures=$((failures + 1)); }
}

expect "--form" --fo
expect "--full-text" --category 3 --fu
expect "vb vba64" --form v
expect "cs" -f c
expect "kernel32" --dll ker
expect "user32" -n -d user
expect "文件处理函数" -c 文件
# The default entry's remark is not part of it; a text with parentheses is quoted.
expect "所有分类" --category 所有
expect '同步函数\(包括互斥体，信号机和事件函数\)' --category 同步
expect "" --limit ""

# Names of the catalogue given on the command line, in any letter case.
expect "CreateFile CreateFontIndirect" --catalogue "$catalogue" createf
expect "GetTickCount" -n --catalogue "$catalogue" gettick
expect "" --catalogue "$catalogue" 'Create*'
expect "" --catalogue "$catalogue" NoSuchName

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
touch "$folder/winapi.mdb" "$folder/other.txt"
expect "$folder/winapi.mdb" -C "$folder/w"
expect "$folder/other.txt" --password-file "$folder/o"

((failures == 0)) || exit 1
echo "completion: every case offered what was expected"
