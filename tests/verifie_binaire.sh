#!/usr/bin/env bash
# The program without any display: --help, --version and --dump of every saved family.
set -u
orvan="$1"
donnees="$2"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
echec=0
"$orvan" --help | grep -q -- "--dump" || { echo "--help n'a pas répondu"; echec=1; }
"$orvan" --version | grep -q "^orvan " || { echo "--version n'a pas répondu"; echec=1; }
for gen in "$donnees"/*.gen; do
    if ! diff <("$orvan" --dump "$gen") "${gen%.gen}.json" >/dev/null; then
        echo "vidage différent pour $gen"
        echec=1
    fi
done
sortie=$("$orvan" --dump /nulle/part.gen 2>&1)
code=$?
[ $code -eq 1 ] && [ "$sortie" = "Impossible d'ouvrir le fichier /nulle/part.gen" ] ||
    { echo "fichier absent : code $code, sortie '$sortie'"; echec=1; }
exit $echec
