#!/usr/bin/env bash
# The example families shipped with the program replay as their expected dumps say, and each
# shows three generations.
set -u
orvan="$1"
exemples="$2"
attendus="$3"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
echec=0
nb=0
for gen in "$exemples"/*.gen; do
    nom=$(basename "${gen%.gen}")
    nb=$((nb + 1))
    vidage=$("$orvan" --dump "$gen")
    if ! diff <(echo "$vidage") "$attendus/$nom.json" >/dev/null; then
        echo "vidage différent pour $gen"
        echec=1
    fi
    # A third generation stands at the height of 250 pixels.
    if ! grep -q '"top": 250' <<<"$vidage"; then
        echo "$gen n'a pas de troisième génération"
        echec=1
    fi
done
[ "$nb" -ge 6 ] || { echo "il manque des familles d'exemple ($nb)"; echec=1; }
exit $echec
