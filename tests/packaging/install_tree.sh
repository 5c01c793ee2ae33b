#!/usr/bin/env bash
# Installs the build under a fresh prefix and checks what lands there:
# exactly the expected files, each icon at its size, a desktop entry and
# metainfo that validate together, man pages that render without warnings,
# and an installed tolvane-find that answers from the installed catalogue.
# Usage: install_tree.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

sizes=(16 22 24 32 48 64 128 256)
expected=(
  bin/tolvane bin/tolvane-find share/tolvane/winapi.mdb
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man1/tolvane.1.gz share/man/man1/tolvane-find.1.gz
  share/bash-completion/completions/tolvane-find
  share/doc/tolvane/copyright share/doc/tolvane/changelog.gz
  share/doc/tolvane/使用说明.md share/doc/tolvane/screenshot.png
)
for s in "${sizes[@]}"; do expected+=("share/icons/hicolor/${s}x$s/apps/$id.png"); done
if ! diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) \
  <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort); then
  echo "FAIL: the installed files differ from the expected ones (< expected, > installed)"
  exit 1
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for s in "${sizes[@]}"; do
  png="$prefix/share/icons/hicolor/${s}x$s/apps/$id.png"
  size=$(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }')
  [[ $size == "${s}x$s" ]] || { echo "FAIL: $png is $size"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/$id.desktop"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" ||
  { echo "FAIL: the desktop entry does not name the icon $id"; exit 1; }
# The tree check also matches the metainfo's launchable with the desktop entry.
appstreamcli validate-tree --no-net "$prefix" >/dev/null ||
  { appstreamcli validate-tree --no-net "$prefix"; exit 1; }

for page in tolvane tolvane-find; do
  warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [[ -z $warnings ]] || { echo "FAIL: $page.1: $warnings"; exit 1; }
done

names=$("$prefix/bin/tolvane-find" --catalogue "$prefix/share/tolvane/winapi.mdb" --names CreateFile)
grep -qx CreateFile <<<"$names" ||
  { echo "FAIL: the installed tolvane-find did not find CreateFile: $names"; exit 1; }
# Without --catalogue it finds the installed one in the data folders.
names=$(cd "$prefix" && XDG_CONFIG_HOME=$prefix/config XDG_DATA_HOME=$prefix/data XDG_DATA_DIRS=$prefix/share \
  "$prefix/bin/tolvane-find" --names CreateFile)
grep -qx CreateFile <<<"$names" ||
  { echo "FAIL: the installed tolvane-find did not find its catalogue in XDG_DATA_DIRS: $names"; exit 1; }
# Both programs tell the same version, the window without a display.
version=$("$prefix/bin/tolvane-find" --version)
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tolvane" --version) == "tolvane ${version#tolvane-find }" ]] ||
  { echo "FAIL: tolvane --version does not say ${version#tolvane-find }"; exit 1; }
echo "install tree: ${#expected[@]} files as expected"
