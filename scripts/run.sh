#!/usr/bin/env bash
# Sets everything up and starts Tolvane on its default catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/tolvane "$@"
