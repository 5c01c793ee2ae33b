#!/usr/bin/env bash
# Times tolvane-find as a whole process, from its start to its answer, for
# three lookups on the default catalogue, and prints each one's minimum,
# median and maximum in milliseconds. Build first (scripts/setup.sh).
#   bench/find_startup.sh [RUNS]      (default 30 runs per lookup)
set -euo pipefail
cd "$(dirname "$0")/.."

find=build/tolvane-find
catalogue=build/mdb/winapi.mdb
runs=${1:-30}
[ -x "$find" ] && [ -f "$catalogue" ] || { echo "build first: scripts/setup.sh" >&2; exit 2; }

lookups=(
  "CreateFile"
  "--form cs --dll user32 Get*Window"
  "--full-text --names HWND"
)

printf '%-40s %8s %8s %8s\n' lookup "min ms" "median" "max"
for lookup in "${lookups[@]}"; do
  read -ra args <<<"$lookup"
  "$find" --catalogue "$catalogue" "${args[@]}" >/dev/null 2>&1 || true  # warms the file cache
  times=()
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$find" --catalogue "$catalogue" "${args[@]}" >/dev/null 2>&1 || [ $? -eq 1 ]
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  mapfile -t sorted < <(printf '%s\n' "${times[@]}" | sort -n)
  ms() { printf '%d.%01d' $(($1 / 1000)) $(($1 % 1000 / 100)); }
  printf '%-40s %8s %8s %8s\n' "$lookup" "$(ms "${sorted[0]}")" "$(ms "${sorted[runs / 2]}")" \
    "$(ms "${sorted[runs - 1]}")"
done
