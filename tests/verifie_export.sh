#!/usr/bin/env bash
# The family's picture without any display: every saved family in the three formats, files of
# the right kind and size; a family that cannot be read and a picture that cannot be written.
set -u
orvan="$1"
donnees="$2"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
echec=0
insecable=$(printf '\xc2\xa0')
sortie=$(mktemp -d)
trap 'chmod -R u+w "$sortie"; rm -rf "$sortie"' EXIT

# A big-endian 32-bit number of a file at an offset.
entier() { od -An -tu1 -j "$2" -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }
# The SVG's width and height in pixels, from its view box.
vue_svg() { grep -o 'viewBox="0 0 [0-9]* [0-9]*"' "$1" | head -1 | tr -dc '0-9 ' | awk '{ print $3, $4 }'; }
# The PDF page's width and height in points.
page_pdf() { grep -a -o 'MediaBox \[0 0 [0-9.]* [0-9.]*\]' "$1" | head -1 | tr -dc '0-9. ' | awk '{ print $3, $4 }'; }

for gen in "$donnees"/*.gen; do
    nom=$(basename "$gen" .gen)
    for format in png svg pdf; do
        if ! "$orvan" --export "$gen" "$sortie/$nom.$format" 2>"$sortie/erreurs"; then
            echo "$nom.$format : échec ($(cat "$sortie/erreurs"))"
            echec=1
        elif [ -s "$sortie/erreurs" ]; then
            echo "$nom.$format : messages inattendus : $(cat "$sortie/erreurs")"
            echec=1
        fi
    done
    png="$sortie/$nom.png" svg="$sortie/$nom.svg" pdf="$sortie/$nom.pdf"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] ||
        { echo "$nom.png n'est pas un PNG"; echec=1; continue; }
    head -c 100 "$svg" | grep -q '<?xml' && grep -q '<svg' "$svg" ||
        { echo "$nom.svg n'est pas un SVG"; echec=1; continue; }
    [ "$(head -c 5 "$pdf")" = "%PDF-" ] && tail -c 10 "$pdf" | grep -q '%%EOF' ||
        { echo "$nom.pdf n'est pas un PDF complet"; echec=1; continue; }
    # One size in three units: the PNG at twice the pixels, the PDF page in points (3/4 px).
    read -r largeur hauteur < <(vue_svg "$svg")
    read -r l_pdf h_pdf < <(page_pdf "$pdf")
    if [ -z "${largeur:-}" ] || [ "$largeur" -lt 50 ] || [ "$hauteur" -lt 50 ] ||
        [ "$(entier "$png" 16)" -ne $((2 * largeur)) ] || [ "$(entier "$png" 20)" -ne $((2 * hauteur)) ] ||
        ! awk -v l="$l_pdf" -v h="$h_pdf" -v L="$largeur" -v H="$hauteur" \
            'BEGIN { d1 = l - L * 0.75; d2 = h - H * 0.75; exit !(d1 * d1 <= 1 && d2 * d2 <= 1) }'; then
        echo "$nom : tailles différentes : svg ${largeur:-?}x${hauteur:-?}," \
             "png $(entier "$png" 16)x$(entier "$png" 20), pdf ${l_pdf:-?}x${h_pdf:-?}"
        echec=1
    fi
done

# Read back by an XML parser, with every option of "Affichage" on: one group per individual with
# its id, its title, its symbol and its texts, each text placed, sized, set in a face and
# anchored, no transform but a translation, every individual numbered as the lessons write it.
lit_svg() {
    python3 - "$1" <<'FIN'
import re, sys, xml.etree.ElementTree as et
ns = "{http://www.w3.org/2000/svg}"
racine = et.parse(sys.argv[1]).getroot()
assert racine.tag == ns + "svg", racine.tag
assert float(racine.get("width")) > 0 and float(racine.get("height")) > 0
for e in racine.iter():
    t = e.get("transform")
    assert t is None or re.fullmatch(r"translate\([-0-9., ]*\)", t), t
for t in racine.iter(ns + "text"):
    for a in ("x", "y", "font-size", "font-family", "text-anchor"):
        assert t.get(a), (a, t.text)
groupes = [g for g in racine.iter(ns + "g") if (g.get("id") or "").startswith("individu")]
assert groupes, "aucun individu"
assert len({g.get("id") for g in groupes}) == len(groupes), "ids en double"
for g in groupes:
    assert (g.findtext(ns + "title") or "").strip(), g.get("id")
    assert g.find(ns + "rect") is not None or g.find(ns + "ellipse") is not None, g.get("id")
    textes = [t.text or "" for t in g.iter(ns + "text")]
    assert any(re.fullmatch(r"I{1,3}-[0-9]+", t) for t in textes), (g.get("id"), textes)
FIN
}
for gen in "$donnees"/*.gen; do
    nom=$(basename "$gen" .gen)
    svg="$sortie/${nom}_options.svg"
    if ! "$orvan" --export "$gen" "$svg" --motifs --numerotation --probabilites 2>"$sortie/erreurs" ||
        [ -s "$sortie/erreurs" ] || ! lit_svg "$svg" 2>"$sortie/erreurs"; then
        echo "$nom : SVG avec les options illisible : $(tail -1 "$sortie/erreurs")"
        echec=1
    fi
done

# A family that cannot be read: the message of --dump, exit code 1, no picture.
for famille in /nulle/part.gen "$donnees"; do
    attendu=$("$orvan" --dump "$famille" 2>&1 >/dev/null)
    message=$("$orvan" --export "$famille" "$sortie/illisible.png" 2>&1)
    code=$?
    [ $code -eq 1 ] && [ "$message" = "$attendu" ] && [ ! -e "$sortie/illisible.png" ] ||
        { echo "famille illisible $famille : code $code, sortie '$message'"; echec=1; }
done

# A picture that cannot be written: a clear message, exit code 1, nothing left in its place.
ecrit_pas() {
    local image="$1" raison="$2" message code
    message=$("$orvan" --export "$donnees/un_gene.gen" "$image" 2>&1)
    code=$?
    [ $code -eq 1 ] && [ "$message" = "Impossible d'écrire l'image $image${insecable}: $raison." ] ||
        { echo "$image : code $code, sortie '$message'"; echec=1; }
}
ecrit_pas "$sortie/absent/famille.png" "le dossier $sortie/absent n'existe pas"
mkdir "$sortie/dossier.svg"
ecrit_pas "$sortie/dossier.svg" "c'est un dossier"
[ -d "$sortie/dossier.svg" ] && [ -z "$(ls -A "$sortie/dossier.svg")" ] ||
    { echo "le dossier dossier.svg a été touché"; echec=1; }
# A pipe, or a link to a device, is not replaced by a plain file.
mkfifo "$sortie/tube.png"
ecrit_pas "$sortie/tube.png" "ce n'est pas un fichier ordinaire : il n'a pas été remplacé"
[ -p "$sortie/tube.png" ] || { echo "tube.png a été remplacé"; echec=1; }
ln -s /dev/null "$sortie/peripherique.png"
ecrit_pas "$sortie/peripherique.png" "ce n'est pas un fichier ordinaire : il n'a pas été remplacé"
[ -c /dev/null ] && [ -L "$sortie/peripherique.png" ] ||
    { echo "le lien vers /dev/null a été suivi"; echec=1; }
rm "$sortie/tube.png" "$sortie/peripherique.png"
if [ "$(id -u)" -ne 0 ]; then
    mkdir "$sortie/protege"
    chmod a-w "$sortie/protege"
    ecrit_pas "$sortie/protege/famille.pdf" "le dossier $sortie/protege est protégé en écriture"
    cp "$sortie/un_gene.png" "$sortie/lecture_seule.png"
    chmod a-w "$sortie/lecture_seule.png"
    ecrit_pas "$sortie/lecture_seule.png" "le fichier est protégé en écriture"
    cmp -s "$sortie/un_gene.png" "$sortie/lecture_seule.png" ||
        { echo "lecture_seule.png a été modifié"; echec=1; }
fi
# No half-written file and no temporary one stayed behind.
restes=$(find "$sortie" -name '*.png.*' -o -name '*.svg.*' -o -name '*.pdf.*' -o -name 'illisible*')
[ -z "$restes" ] || { echo "fichiers restés : $restes"; echec=1; }

# A picture written again over an older one replaces it whole.
cp "$sortie/deux_genes.png" "$sortie/remplace.png"
"$orvan" --export "$donnees/un_gene.gen" "$sortie/remplace.png" 2>/dev/null &&
    cmp -s "$sortie/un_gene.png" "$sortie/remplace.png" ||
    { echo "remplace.png n'a pas été remplacé"; echec=1; }

# The command line: both files are needed, and a name that says the format.
"$orvan" --export "$donnees/un_gene.gen" >/dev/null 2>&1
[ $? -eq 2 ] || { echo "--export sans image : code différent de 2"; echec=1; }
message=$("$orvan" --export "$donnees/un_gene.gen" "$sortie/famille.jpg" 2>&1)
[ $? -eq 2 ] && [ ! -e "$sortie/famille.jpg" ] && echo "$message" | grep -q '.png, .svg ou .pdf' ||
    { echo "--export famille.jpg : '$message'"; echec=1; }
exit $echec
