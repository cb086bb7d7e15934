#!/usr/bin/env bash
# The program without any display: --help, --version and --dump of every saved family.
set -u
orvan="$1"
donnees="$2"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# The messages follow the locale: French unless it asks for English.
unset LC_ALL LC_MESSAGES
export LANG=C.UTF-8
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
# The language argument may stand before a command.
"$orvan" 2 --dump "$donnees/un_gene.gen" | diff -q - "$donnees/un_gene.json" >/dev/null ||
    { echo "orvan 2 --dump n'a pas vidé la famille"; echec=1; }
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
# English with the argument 2, or when the locale asks for it.
"$orvan" 2 --help | grep -q "^Usage: orvan" || { echo "orvan 2 --help n'est pas en anglais"; echec=1; }
LANG=en_GB.UTF-8 "$orvan" --help | grep -q "LANG ask for English" ||
    { echo "--help sous LANG=en_GB n'est pas en anglais"; echec=1; }
LC_ALL=fr_FR.UTF-8 LANG=en_GB.UTF-8 "$orvan" --help | grep -q "^Usage : orvan" ||
    { echo "LC_ALL=fr_FR ne l'emporte pas sur LANG"; echec=1; }
sortie=$(LANG=en_US.UTF-8 "$orvan" --dump /nulle/part.gen 2>&1)
[ "$sortie" = "The file /nulle/part.gen cannot be opened" ] ||
    { echo "message anglais de --dump : '$sortie'"; echec=1; }
# A pipe whose writer stays idle is refused; the program does not wait for it.
mkfifo "$temporaire/tube"
exec 3<>"$temporaire/tube"
refuse "$temporaire/tube" "Le fichier $temporaire/tube n'est pas un fichier ordinaire et il ne donne rien à lire : il n'a pas été ouvert."
exec 3>&-
# Reading stops at the first NUL: an endless stream of them is an empty history.
timeout 20 "$orvan" --dump /dev/zero | grep -q '"evenements": \[\]' ||
    { echo "--dump /dev/zero n'a pas rendu un historique vide"; echec=1; }
exit $echec
