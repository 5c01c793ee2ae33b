#!/usr/bin/env bash
# The generated catalogue takes no record from a mingw-w64 header that is not
# in the public domain (a few headers taken from Wine carry the LGPL): every
# header a record names in its explain text is checked against the licence
# paragraphs of Debian's copyright file of the headers' package.
# Usage: catalogue_licences.sh GENERATED_SQL
set -euo pipefail
sql=$1
copyright=/usr/share/doc/mingw-w64-x86-64-dev/copyright

# "pattern license" for every header pattern outside the public domain.
restricted=$(awk '
  /^Files:/ { files = ""; infiles = 1; sub(/^Files:/, "") }
  /^[A-Z][A-Za-z-]*:/ && !/^Files:/ { infiles = 0 }
  infiles { files = files " " $0 }
  /^License:/ && $2 != "public-domain" {
    n = split(files, f, " ")
    for (i = 1; i <= n; i++)
      if (f[i] ~ /^mingw-w64-headers\/(include|crt)\//) { sub(/^mingw-w64-headers\/[a-z]+\//, "", f[i]); print f[i], $2 }
  }' "$copyright")
[[ -n $restricted ]] || { echo "FAIL: no licence paragraphs read from $copyright"; exit 1; }

headers=$(grep -oE '(声明|定义)于 [A-Za-z0-9_./-]+\.h' "$sql" | sed 's/.* //' | sort -u)
found=0
while read -r pattern licence; do
  for header in $headers; do
    # shellcheck disable=SC2053  # the copyright's patterns are globs
    if [[ $header == $pattern ]]; then
      echo "FAIL: records come from $header, which is under $licence"
      found=1
    fi
  done
done <<<"$restricted"
((found == 0)) || exit 1
echo "catalogue licences: $(wc -w <<<"$headers") headers named, none outside the public domain" \
  "($(wc -l <<<"$restricted") restricted patterns checked)"
