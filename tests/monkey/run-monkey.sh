#!/usr/bin/env bash
# One monkey run: the monkey plays SEED for STEPS steps into DIR and checks
# its own journal; then tavo-sim plays the journal too and must write the
# very bytes of the game the monkey saved.
#   run-monkey.sh TAVO_MONKEY TAVO_SIM SEED STEPS DIR
set -euo pipefail
monkey=$1 sim=$2 seed=$3 steps=$4 dir=$5
rm -rf "$dir"
mkdir -p "$dir"
"$monkey" --seed "$seed" --steps "$steps" --out "$dir"
start=()
[ -f "$dir/start.sav" ] && start=(--load "$dir/start.sav")
(cd "$dir/play" && "$sim" --replay "$dir/game.journal" "${start[@]}" --save "$dir/by-tavo-sim.sav" \
    --bars def.bar --drinks drinks.drk >/dev/null)
cmp "$dir/game.sav" "$dir/by-tavo-sim.sav"
echo "tavo-sim replays seed $seed to the same bytes"
