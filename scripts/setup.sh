#!/usr/bin/env bash
# Installs the Debian packages Tolvane needs (only those missing), then
# configures and builds it in ./build. Safe to run again.
#
#   scripts/setup.sh run    the programs and the default catalogue only
#   scripts/setup.sh test   also the tests and the benchmarks (the default)
#
# BUILD_DIR=dir builds into another folder; CMAKE_ARGS="-D..." adds options
# (scripts/test.sh --sanitize uses both).
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-test}

# The programs, and the catalogue generated from the SDK headers at build time.
run_packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-translations-l10n libsqlcipher-dev fonts-noto-cjk
  mingw-w64-x86-64-dev mingw-w64-i686-dev libclang-14-dev
  librsvg2-bin
)
# The tests (mono compiles and runs the generated C# declarations), the
# benchmarks, and the checks of the files installed for the desktop.
test_packages=(
  git libgtest-dev googletest libbenchmark-dev mono-mcs mono-runtime
  xvfb xauth desktop-file-utils appstream man-db
)

case $mode in
run) scripts/need.sh "${run_packages[@]}"; checks=OFF ;;
test) scripts/need.sh "${run_packages[@]}" "${test_packages[@]}"; checks=ON ;;
*) echo "usage: scripts/setup.sh [run|test]" >&2; exit 2 ;;
esac

build=${BUILD_DIR:-build}
# shellcheck disable=SC2086  # CMAKE_ARGS holds several words
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_TESTS=$checks \
  -DTOLVANE_BENCH=$checks ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"
