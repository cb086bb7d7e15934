#!/usr/bin/env bash
# The program without any display: --help, --version and --dump of every saved family.
set -u
orvan="$1"
donnees="$2"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
echec=0
"$orvan" --help | grep -q -- "--dump" || { echo "--help n'a pas répondu"; echec=1; }
"$orvan" --version | grep -q "^orvan " || { echo "--version n'a pas répondu"; echec=1; }
# An unknown option is told, without any display.
sortie=$("$orvan" --bogus 2>&1)
code=$?
[ $code -eq 2 ] && grep -q -- "--bogus" <<<"$sortie" ||
    { echo "--bogus : code $code, sortie '$sortie'"; echec=1; }
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
# A folder cannot be read; a file past 16 Mio is refused with its own message.
refuse() {
    local chemin="$1" attendu="$2" sortie code
    sortie=$("$orvan" --dump "$chemin" 2>&1 >/dev/null)
    code=$?
    [ $code -eq 1 ] && [ "$sortie" = "$attendu" ] ||
        { echo "$chemin : code $code, sortie '$sortie'"; echec=1; }
}
refuse "$donnees" "Impossible d'ouvrir le fichier $donnees"
temporaire=$(mktemp -d)
trap 'rm -rf "$temporaire"' EXIT
head -c $((16 * 1024 * 1024 + 1)) /dev/zero | tr '\0' 'a' >"$temporaire/gros.gen"
refuse "$temporaire/gros.gen" "Le fichier $temporaire/gros.gen est trop volumineux pour être ouvert."
# Reading stops at the first NUL: an endless stream of them is an empty history.
timeout 20 "$orvan" --dump /dev/zero | grep -q '"evenements": \[\]' ||
    { echo "--dump /dev/zero n'a pas rendu un historique vide"; echec=1; }
exit $echec
