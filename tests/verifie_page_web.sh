#!/usr/bin/env bash
# A pupil's session in the page opened from file:// in headless chromium (tests/page_web): the
# saved log replays in the desktop program to the very family the page shows, and what a teacher
# knows of colour blindness holds: a colour-blind mother's sons are colour-blind, a father who
# sees colours has daughters who do. Skipped (code 77) without the web build or chromium.
set -u
orvan="$1"
racine="$2"
page="$racine/build-web/web/orvan.html"
[ -f "$page" ] || { echo "pas de version web (outils/web.sh)"; exit 77; }
command -v chromium >/dev/null || { echo "pas de chromium (outils/web.sh)"; exit 77; }
unset DISPLAY WAYLAND_DISPLAY
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
node "$racine/tests/page_web/eleve.mjs" "file://$page?langue=fr" "$dossier" "$dossier/fin.png" || exit 1
"$orvan" --dump "$dossier/eleve.gen" >"$dossier/bureau.json" || exit 1
python3 - "$dossier" <<'PY'
import json, sys
d = sys.argv[1]
bureau = json.load(open(d + "/bureau.json"))
page = json.load(open(d + "/page.json"))
resume = json.load(open(d + "/resume.json"))
erreurs = []
if bureau != page:
    erreurs.append("le fichier enregistré ne redonne pas la famille de la page")
individus = {i["n"]: i for i in bureau["individus"]}
pere, mere = individus[1], individus[2]
if (pere["etiquette"], mere["etiquette"]) != ("[D]", "[d]"):
    erreurs.append("phénotypes des fondateurs : %s %s" % (pere["etiquette"], mere["etiquette"]))
enfants = [i for n, i in individus.items() if n > 2]
if len(enfants) != resume["enfants"] or resume["apres_annulation"] != resume["enfants"] + 2:
    erreurs.append("l'annulation n'a pas ramené la famille d'avant le mariage : %s" % resume)
if resume["marie"] <= resume["enfants"] + 2:
    erreurs.append("le mariage n'a pas ajouté le conjoint : %s" % resume)
for e in enfants:
    attendu = "[d]" if e["forme"] == "carre" else "[D]"
    if e["etiquette"] != attendu:
        erreurs.append("enfant %d (%s) : %s au lieu de %s" % (e["n"], e["forme"], e["etiquette"], attendu))
print("\n".join(erreurs) or "%d enfants, famille identique dans le programme" % len(enfants))
sys.exit(1 if erreurs else 0)
PY
