#!/usr/bin/env bash
# Runs a program as the only client of Weston's headless compositor, in a
# runtime folder of its own, with Wayland as Qt's only platform:
#   run-on-weston.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
if ! command -v weston >/dev/null; then
    echo "SKIPPED: weston is not installed (scripts/setup-debian.sh installs it)"
    exit 77
fi
runtime="$(mktemp -d)"
chmod 700 "$runtime"
socket=tavo-test
weston=""
finish() {
    if [ -n "$weston" ]; then kill "$weston" 2>/dev/null || true; wait "$weston" || true; fi
    rm -rf "$runtime"
}
trap finish EXIT
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" \
    --no-config --idle-time=0 --log="$runtime/weston.log" &
weston=$!

# The compositor is ready for clients once its socket is there: 30 s at most.
deadline=$((SECONDS + 30))
until [ -S "$runtime/$socket" ]; do
    if ! kill -0 "$weston" 2>/dev/null || ((SECONDS >= deadline)); then
        cat "$runtime/weston.log" >&2 || true
        echo "weston did not open its socket" >&2
        exit 1
    fi
    sleep 0.05
done

# No X display to fall back to, and no other platform allowed. The headless
# compositor has no seat (no keyboard, no pointer), and Qt 6.4's Wayland text
# input reads the seat it assumes every desktop has (a crash in a line edit's
# cursor): the compose input method stands in for it, as it would on X11.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose "$@"
