#!/usr/bin/env bash
# Sets up what the programs need (no tests, no benchmarks), builds them and
# starts Tolvane on its default catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
exec build/tolvane "$@"
