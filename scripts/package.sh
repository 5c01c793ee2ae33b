#!/usr/bin/env bash
# Builds the Debian package build/tolvane_<version>_amd64.deb (the programs,
# the default catalogue and the desktop files; no tests). Install it with
#   sudo apt-get install ./build/tolvane_*_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
# dpkg-shlibdeps (dpkg-dev) finds the libraries' packages; CPack asks file
# which installed files are programs.
scripts/need.sh dpkg-dev file
rm -f build/tolvane_*_amd64.deb
(cd build && cpack -G DEB >/dev/null)
ls build/tolvane_*_amd64.deb
