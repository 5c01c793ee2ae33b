#!/usr/bin/env bash
# Sets everything up and runs every test. Without a display the tests run
# on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
cd build
ctest --output-on-failure -j"$(nproc)"
