#!/usr/bin/env bash
# The class statistics without a display, timed from outside: 1,000 saved families pooled
# (replay, counts, chi-square), then 10,000 new families made like one of them.
# Usage: bench/statistiques.sh build/orvan
set -eu
orvan="$1"
donnees="$(dirname "$0")/../tests/data/classe"
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
# A class of 1,000 saved families: the test families under other seeds, one folder per pupil.
for i in $(seq 1 1000); do
    mkdir -p "$dossier/eleve$((i % 30))"
    modele=$(ls "$donnees"/famille_*.gen | sed -n "$((i % 4 + 1))p")
    sed "1s/.*/aleat=$((i * 7919))\r/" "$modele" > "$dossier/eleve$((i % 30))/famille$i.gen"
done
farm-bench -n 3 -- "$orvan" --statistiques "$dossier" --hypothese "Rh+=1 Rh-=1"
farm-bench -n 3 --timeout 200 -- "$orvan" --statistiques --nouvelles 10000 \
    --comme "$donnees/famille_a.gen" --graine 1
