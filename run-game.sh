#!/usr/bin/env bash
# Sets up and builds Tavo, then starts it. The game reads its lists and
# config.kpl in its current folder: it plays in build/play, where the
# shipped lists are copied.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default --target tavo

mkdir -p build/play
for list in data/*.bar data/*.drk; do
    if [ -e "$list" ]; then cp "$list" build/play/; fi
done
cd build/play
exec ../default/src/tavo "$@"
