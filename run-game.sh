#!/usr/bin/env bash
# Sets up and builds Tavo, then starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default

# The game window is not there yet: for now the headless simulator stands in.
exec build/default/src/tavo-sim --help
