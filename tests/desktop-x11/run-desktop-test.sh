#!/usr/bin/env bash
# Runs a test program on a private X server (Xvfb) under the openbox window
# manager, at the given screen size and scale:
#   run-desktop-test.sh 1280x800 1.5 PROGRAM [ARGUMENTS...]
# Waits for the server and the window manager to be ready (each bounded),
# never for a fixed time.
set -euo pipefail
size=$1 scale=$2
shift 2

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Waits until a command succeeds, at most 10 seconds.
await() {
    local deadline=$((SECONDS + 10))
    until "$@" 2>/dev/null; do
        if ((SECONDS >= deadline)); then
            echo "run-desktop-test: timed out waiting for: $*" >&2
            exit 1
        fi
        sleep 0.05
    done
}

Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
await test -s "$work/display"
export DISPLAY=":$(cat "$work/display")"
HOME="$work" openbox --sm-disable --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
await test -e "$work/wm-ready"
cd "$work"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" QT_AUTO_SCREEN_SCALE_FACTOR=0 "$@"
