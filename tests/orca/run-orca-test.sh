#!/usr/bin/env bash
# Plays the game with Orca, the screen reader, on the X server that
# tests/desktop-x11/run-desktop-test.sh starts under openbox:
#   run-desktop-test.sh 1280x800 1 run-orca-test.sh GAME_PROGRAM DATA_FOLDER
# Orca speaks through a speech server that speaks nowhere and writes what
# it would say to its debug log; tests/orca/orca-play.py presses keys and
# waits for what Orca says. The game, Orca and the accessibility bus run on
# a D-Bus session of their own.
set -euo pipefail
game=$1 data=$2
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
# Orca's log of the last run stays behind, for a failure to be read.
trap 'cp "$work/orca.log" "${TMPDIR:-/tmp}/tavo-orca-last.log" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/play" "$work/prefs/orca-scripts" "$work/prefs/app-settings" "$work/runtime"
chmod 700 "$work/runtime"
touch "$work/prefs/__init__.py" "$work/prefs/orca-scripts/__init__.py"
cp "$here/user-settings.conf" "$here/orca-customizations.py" "$work/prefs/"
cp "$data"/*.bar "$data"/*.drk "$work/play/"
cd "$work/play"
HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work/runtime" PYTHONPATH="$here" \
    dbus-run-session -- /usr/bin/python3 "$here/orca-play.py" "$game" "$work"
