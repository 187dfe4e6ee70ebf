#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what a desktop sees:
# the programs, the lists, the icons, a valid desktop entry and metainfo,
# and that the installed game comes up from an empty folder (offscreen) and
# makes the player's data folder with copies of the installed lists.
#   scripts/check-install.sh BUILD_FOLDER
set -euo pipefail
build="${1:?usage: check-install.sh BUILD_FOLDER}"
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install check: $*" >&2; exit 1; }
app=org.example.tavo_game
for program in tavo tavo-sim tavo-data; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
for list in def.bar drinks.drk drinksUS.drk; do
    cmp -s "$source_dir/data/$list" "$prefix/share/tavo/$list" || fail "share/tavo/$list differs"
done
for pixels in 48 64 128 256 512; do
    icon="$prefix/share/icons/hicolor/${pixels}x${pixels}/apps/$app.png"
    [ -s "$icon" ] || fail "no ${pixels} px icon"
done
[ -s "$prefix/share/doc/Tavo/LICENSE" ] || fail "no licence"
desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"

# The game started as a desktop menu starts it: from an empty folder.
empty="$work/empty"
home="$work/home"
mkdir -p "$empty" "$home"
status=0
(cd "$empty" && env -i PATH="$PATH" HOME="$home" XDG_DATA_HOME="$home/data" \
    XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=offscreen \
    timeout 5 "$prefix/bin/tavo") >"$work/tavo.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/tavo.log" >&2; fail "the game ended by itself (status $status)"; }
played="$home/data/Tavo"
for list in def.bar drinks.drk drinksUS.drk; do
    cmp -s "$source_dir/data/$list" "$played/$list" || fail "the data folder has no copy of $list"
done
[ -d "$played/saves" ] || fail "the data folder has no saves folder"
[ -z "$(ls -A "$empty")" ] || fail "the game wrote into the folder it was started from"
echo "install check: installed, valid, and the game came up in $played"
