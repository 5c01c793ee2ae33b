#!/usr/bin/env bash
# Counts the SQLite statements that tolvane-find prepares for a few lookups
# (the whole process: opening the catalogue included) and those the store
# prepares per save. Build first (scripts/setup.sh).
#   bench/statements.sh [CATALOGUE]     (default: the default catalogue)
set -euo pipefail
cd "$(dirname "$0")/.."

catalogue=${1:-build/mdb/winapi.mdb}
shim=build/bench/libcount_prepares.so
[ -x build/tolvane-find ] && [ -f "$shim" ] || { echo "build first: scripts/setup.sh" >&2; exit 2; }

lookups=(
  "CreateFile"
  "--names --limit 0 *"
  "--limit 0 *"
  "--full-text --names HWND"
)
printf '%-32s %s\n' lookup "statements prepared"
for lookup in "${lookups[@]}"; do
  read -ra args <<<"$lookup"
  log=$(mktemp)
  set -f
  PREPARE_LOG=$log LD_PRELOAD=$PWD/$shim build/tolvane-find --catalogue "$catalogue" "${args[@]}" \
    >/dev/null 2>&1 || true
  set +f
  printf '%-32s %s\n' "$lookup" "$(tail -n 1 "$log" | cut -d' ' -f2)"
  rm -f "$log"
done
copy=$(mktemp --suffix=.mdb)
cp "$catalogue" "$copy"
build/bench/tolvane_bench --save-statements "$copy"
rm -f "$copy"
