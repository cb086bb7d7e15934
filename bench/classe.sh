#!/usr/bin/env bash
# The teacher's table without a display, timed from outside: a class of 30 pupils' files, then
# one of 1,000, each the test families under other seeds with the pupil's answers after them.
# Usage: bench/classe.sh build/orvan
set -eu
orvan="$1"
donnees="$(dirname "$0")/../tests/data/classe"
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
classe() {
    mkdir -p "$dossier/$1"
    for i in $(seq 1 "$1"); do
        modele=$(ls "$donnees"/famille_*.gen | sed -n "$((i % 4 + 1))p")
        {
            sed "1s/.*/aleat=$((i * 7919))\r/" "$modele"
            printf 'coche_reponse(1,%d)=0\r\nbitbtn6click\r\n' $((i % 6 + 1))
            printf 'question_genotype(3)\r\nquestion_genotype(3)=%d\r\n' $((i % 2))
        } > "$dossier/$1/eleve$i.gen"
    done
}
classe 30
classe 1000
farm-bench -n 10 -- "$orvan" --classe "$dossier/30" --csv "$dossier/30.csv"
farm-bench -n 5 -- "$orvan" --classe "$dossier/1000" --csv "$dossier/1000.csv"
