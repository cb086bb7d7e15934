#!/usr/bin/env bash
# How the children of families with two genes on the X chromosome come out: the example family
# of colour blindness and haemophilia drawn anew from N seeds of a new family's kind, with the
# gametes' rule that a family started today writes in its log (or, with "ancienne", the rule of
# the logs written before it). Prints the children, the sons' share and the impossible ones.
#   bench/sexes_deux_genes_sur_x.sh build/orvan [N] [ancienne]
set -eu
orvan="$1"
n="${2:-3000}"
regle="${3:-nouvelle}"
exemple="$(dirname "$0")/../data/exemples/daltonisme_et_hemophilie.gen"
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
for ((c = 0; c < n; c++)); do
    # Milliseconds since midnight spread over the day, as the clock seeds a new family.
    graine=$(((c * 2654435761) % 86400000))
    {
        echo "aleat=$graine"
        tail -n +2 "$exemple" | while IFS= read -r ligne; do
            ligne=${ligne%$'\r'}
            # The rule is named before the founders' crossing, as the window writes it.
            if [ "$regle" != ancienne ] && [ "$ligne" = "nb_desc=3" ] && [ ! -e "$dossier/$c.nomme" ]; then
                echo "$ligne"
                echo "gametes_chromosome_sexuel"
                touch "$dossier/$c.nomme"
                continue
            fi
            echo "$ligne"
        done
    } >"$dossier/$c.gen"
    "$orvan" --dump "$dossier/$c.gen" >"$dossier/$c.json"
done
python3 - "$dossier" "$n" <<'PY'
import json, sys
dossier, n = sys.argv[1], int(sys.argv[2])
enfants = fils = impossibles = 0
for c in range(n):
    f = json.load(open(f"{dossier}/{c}.json"))
    individus = {i["n"]: i for i in f["individus"]}
    for fratrie in f["fratries"]:
        for k in range(fratrie["debut"] + 1, fratrie["debut"] + fratrie["nb_enfants"] + 1):
            i = individus[k]
            # A man for one gene and a woman for the other.
            if ("Y" in i["geno1"]) != ("Y" in i["geno2"]):
                impossibles += 1
            enfants += 1
            fils += i["forme"] == "carre"
print(f"{n} familles, {enfants} enfants, fils {fils / enfants:.4f}, impossibles {impossibles}")
PY
