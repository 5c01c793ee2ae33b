#!/usr/bin/env bash
# Sets everything up and runs every test. Without a display the tests run
# on Qt's offscreen platform.
#   scripts/test.sh              builds into ./build and runs the tests
#   scripts/test.sh --sanitize   the same with AddressSanitizer and
#                                UndefinedBehaviorSanitizer, in ./build-sanitize
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--sanitize" ]; then
  export BUILD_DIR=build-sanitize CMAKE_ARGS="-DTOLVANE_SANITIZE=ON -DTOLVANE_BENCH=OFF"
  # Qt and fontconfig keep caches for the life of the process.
  export ASAN_OPTIONS=detect_leaks=0
  export UBSAN_OPTIONS=print_stacktrace=1
fi
scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j"$(nproc)"
