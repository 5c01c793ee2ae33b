#!/usr/bin/env bash
# Installs the Debian packages Tolvane needs (only those missing), then
# configures and builds it. Safe to run again.
#   scripts/setup.sh                  builds into ./build
#   BUILD_DIR=dir CMAKE_ARGS="-D..." scripts/setup.sh   another folder, other options
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-translations-l10n libsqlcipher-dev
  libgtest-dev googletest libbenchmark-dev
  fonts-noto-cjk xvfb xauth
  mingw-w64-x86-64-dev mingw-w64-i686-dev libclang-14-dev mono-mcs mono-runtime
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${BUILD_DIR:-build}
# shellcheck disable=SC2086  # CMAKE_ARGS holds several words
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"
