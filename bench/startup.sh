#!/usr/bin/env bash
# The main menu's start-up against a bare Qt Widgets window with one label:
# each started 9 times, alternating, on a private X server (Xvfb) under the
# openbox window manager, in a D-Bus session (dbus-run-session), timed by
# first-map from the exec to the first window mapped on the screen, which
# must be the main menu (an error box first stops the bench). Prints both
# medians and their ratio.
#   bench/startup.sh [BUILD_FOLDER]     (default: build/default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/default}" && pwd)
game=$build/src/tavo bare=$build/bench/bare-window timer=$build/bench/first-map
for program in "$game" "$bare" "$timer"; do
    [ -x "$program" ] || { echo "startup.sh: build $program first" >&2; exit 2; }
done

if [ -z "${TAVO_STARTUP_INSIDE:-}" ]; then
    work=$(mktemp -d)
    trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || { echo "startup.sh: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(cat "$work/display")" HOME=$work/home TAVO_STARTUP_INSIDE=$work
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    dbus-run-session -- "$0" "$build"
    exit
fi

work=$TAVO_STARTUP_INSIDE
openbox --sm-disable --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; wait 2>/dev/null || true' EXIT
for _ in $(seq 200); do [ -e "$work/wm-ready" ] && break; sleep 0.05; done
[ -e "$work/wm-ready" ] || { echo "startup.sh: openbox did not start" >&2; exit 1; }

# The game plays in a folder of the shipped lists, as run-game.sh starts
# it, with an empty home; both run on the X server, at 100 %.
export QT_QPA_PLATFORM=xcb
mkdir -p "$work/play"
cp "$root"/data/*.bar "$root"/data/*.drk "$work/play/"
cd "$work/play"
# Milliseconds to the program's first window, which must be `title`.
timed() {
    local title=$1 shown
    shown=$("$timer" "$2")
    if [ "${shown#* }" != "$title" ]; then
        echo "startup.sh: $2 showed \"${shown#* }\" first, not \"$title\"" >&2
        exit 1
    fi
    echo "${shown%% *}"
}

# One start of each, not counted: both programs' files are then read from
# memory alike.
menu=$(sed -n 's/.*kAppTitle = "\(.*\)";/\1/p' "$root/src/core/Voice.h") # the main menu's title
timed "$menu" "$game" >/dev/null
timed bare-window "$bare" >/dev/null
games=() bares=()
for _ in $(seq 9); do
    games+=("$(timed "$menu" "$game")")
    bares+=("$(timed bare-window "$bare")")
done

median() { printf '%s\n' "$@" | sort -g | sed -n 5p; }
g=$(median "${games[@]}") b=$(median "${bares[@]}")
echo "game:        ${games[*]} ms"
echo "bare window: ${bares[*]} ms"
awk -v g="$g" -v b="$b" \
    'BEGIN { printf "median: game %.1f ms, bare window %.1f ms, ratio %.2f\n", g, b, g / b }'
