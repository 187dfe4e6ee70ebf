#!/usr/bin/env bash
# Brings the translation sources (translations/*.ts) in step with the
# game's texts: the windows' tr() captions and the engine's N_() texts.
# New texts come in unfinished; texts gone from the game are dropped.
# With --check, nothing is written: the script fails when a text of the
# game is missing from a translation source or one holds a text the game
# no longer has.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=$(command -v lupdate6 || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
sources=(src/core src/banks src/bars src/game src/leisure src/staff src/ui)
options=(-I src -tr-function-alias QT_TR_NOOP+=N_ -locations none -no-obsolete -no-ui-lines -silent)

if [ "${1:-}" = --check ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    status=0
    for ts in translations/tavo_*.ts; do
        cp "$ts" "$scratch/"
        "$lupdate" "${options[@]}" "${sources[@]}" -ts "$scratch/$(basename "$ts")" 2>&1 |
            grep -v "lacks Q_OBJECT" || true
        if ! diff -u "$ts" "$scratch/$(basename "$ts")"; then
            echo "$ts is not in step with the game's texts: run scripts/update-translations.sh" >&2
            status=1
        fi
    done
    exit $status
fi

for ts in translations/tavo_*.ts; do
    "$lupdate" "${options[@]}" "${sources[@]}" -ts "$ts" 2>&1 | grep -v "lacks Q_OBJECT" || true
done
