#!/usr/bin/env bash
# Checks an installation the way a desktop sees it: the programs, the lists,
# the icons, a valid desktop entry and metainfo, and that the installed game
# comes up from an empty folder with an empty home (offscreen) and makes the
# player's data folder with copies of the installed lists.
#   scripts/check-install.sh BUILD_FOLDER   installs the build into a temporary prefix
#   scripts/check-install.sh --package      the installed Debian package, in /usr
set -euo pipefail
what="${1:?usage: check-install.sh BUILD_FOLDER | --package}"
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ "$what" = --package ]; then
    prefix=/usr
    programs=/usr/games
    licence=/usr/share/doc/tavo/copyright
else
    prefix="$work/prefix"
    programs="$prefix/bin"
    licence="$prefix/share/doc/Tavo/LICENSE"
    cmake --install "$what" --prefix "$prefix" >/dev/null
fi

fail() { echo "install check: $*" >&2; exit 1; }
app=org.example.tavo_game
for program in tavo tavo-sim tavo-data; do
    [ -x "$programs/$program" ] || fail "$programs/$program is not installed"
done
for list in def.bar drinks.drk drinksUS.drk; do
    cmp -s "$source_dir/data/$list" "$prefix/share/tavo/$list" || fail "share/tavo/$list differs"
done
for language in fr de es it; do
    [ -s "$prefix/share/tavo/translations/tavo_$language.qm" ] || fail "no $language translation"
done
for pixels in 48 64 128 256 512; do
    icon="$prefix/share/icons/hicolor/${pixels}x${pixels}/apps/$app.png"
    [ -s "$icon" ] || fail "no ${pixels} px icon"
done
grep -q "GNU General Public License\|GNU GENERAL PUBLIC LICENSE" "$licence" ||
    fail "no licence in $licence"
desktop-file-validate "$prefix/share/applications/$app.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml"

# The game started as a desktop menu starts it, from an empty folder, for
# a player whose home is still empty.
empty="$work/empty"
home="$work/home"
mkdir -p "$empty" "$home"
status=0
(cd "$empty" && env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$work" \
    QT_QPA_PLATFORM=offscreen timeout 5 "$programs/tavo") >"$work/tavo.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$work/tavo.log" >&2; fail "the game ended by itself (status $status)"; }
played="$home/.local/share/Tavo"
for list in def.bar drinks.drk drinksUS.drk; do
    cmp -s "$source_dir/data/$list" "$played/$list" || fail "the data folder has no copy of $list"
done
[ -d "$played/saves" ] || fail "the data folder has no saves folder"
[ -z "$(ls -A "$empty")" ] || fail "the game wrote into the folder it was started from"
echo "install check: $programs/tavo installed, valid, and came up in $played"
