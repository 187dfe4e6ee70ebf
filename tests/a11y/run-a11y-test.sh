#!/usr/bin/env bash
# Plays the game through the desktop's accessibility bus, on the X server
# that tests/desktop-x11/run-desktop-test.sh starts under openbox:
#   run-desktop-test.sh 1280x800 1 run-a11y-test.sh GAME_PROGRAM DATA_FOLDER
# The game plays in a folder of its own with the shipped lists, on a D-Bus
# session of its own that starts the accessibility bus and its registry
# when the game asks for them; tests/a11y/play.py drives it.
set -euo pipefail
game=$1 data=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/play"
cp "$data"/*.bar "$data"/*.drk "$work/play/"
cd "$work/play"
HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    dbus-run-session -- /usr/bin/python3 "$here/play.py" "$game"
