#!/usr/bin/env bash
# The web build measured against the desktop program, on this machine and in the same run:
# - the replay of a 10,000-line log: `orvan --dump` against `outils/web.sh dump` (node), whole
#   commands and less an empty family's, so that the starts of node and of the program drop out;
# - the sizes of the .wasm and .js, plain and gzipped;
# - the time from opening the page to the family shown, in headless chromium, and a screenshot.
# Needs build/orvan (outils/tester.sh) and the web build (outils/web.sh).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
orvan="$racine/build/orvan"
web="$racine/build-web/web"
temporaire=$(mktemp -d)
trap 'rm -rf "$temporaire"; [ -z "${serveur:-}" ] || kill "$serveur" 2>/dev/null || true' EXIT

# The gene set-up and a three-generation family, then shifts and colour lines (as the replay's
# benchmark builds it).
python3 - "$temporaire/long.gen" <<'PY'
import sys
l = ["aleat=31415926", "bitbtn4click", "group_premclick.0", "bitbtn1click", "choix_all(1,left)",
     "prem_alleleclick.0", "all_okclick", "choix_all(2,left)", "prem_alleleclick.1", "nb_desc=5",
     "all_okclick", "choix_all(3,left)", "prem_alleleclick.0", "nb_desc=3", "all_okclick",
     "choix_all(4,left)", "prem_alleleclick.1", "all_okclick"]
i = 0
while len(l) < 10000:
    l.append("couleur=(13,14,15,15,15,15,15,15,15,15)" if i % 10 == 9
             else "decal_fratrie(%d,%d)" % (i % 3, 3 if i % 2 else -3))
    i += 1
open(sys.argv[1], "w", newline="").write("".join(x + "\r\n" for x in l))
PY
printf 'aleat=1\r\n' >"$temporaire/court.gen"

# The best of five runs of a command: its processor time (user and system), in seconds, which a
# machine shared with other builds disturbs less than the time on the clock.
meilleur() {
    local best=999 t
    for _ in 1 2 3 4 5; do
        t=$( { TIMEFORMAT='%U+%S'; time "$@" >/dev/null 2>&1; } 2>&1)
        best=$(python3 -c "print(min($best, $t))")
    done
    echo "$best"
}
cmp <("$orvan" --dump "$temporaire/long.gen") <("$racine/outils/web.sh" dump "$temporaire/long.gen") ||
    { echo "les deux vidages du long historique diffèrent"; exit 1; }
natif=$(meilleur "$orvan" --dump "$temporaire/long.gen")
natif_vide=$(meilleur "$orvan" --dump "$temporaire/court.gen")
web_long=$(meilleur "$racine/outils/web.sh" dump "$temporaire/long.gen")
web_vide=$(meilleur "$racine/outils/web.sh" dump "$temporaire/court.gen")
python3 - "$natif" "$natif_vide" "$web_long" "$web_vide" <<'PY'
import sys
n, nv, w, wv = map(float, sys.argv[1:])
print(f"10 000 lignes, temps processeur : natif {n:.3f} s (vide {nv:.3f} s), web sous node {w:.3f} s (vide {wv:.3f} s)")
print(f"  commandes entières : {w / n:.1f} x ; rejeu seul : {(w - wv) / max(n - nv, 1e-3):.1f} x")
PY

# Inside one process, as in the page: the first dump (the module's code not yet optimised by the
# engine), then the median and the best of 25, against the desktop program's own replay (twenty
# runs of its whole command, less twenty of an empty family's).
somme_de_vingt() {
    local t
    t=$( { TIMEFORMAT='%U+%S'; time (for _ in $(seq 20); do "$@" >/dev/null 2>&1; done); } 2>&1)
    python3 -c "print($t)"
}
natif_ms=$(python3 -c "print(($(somme_de_vingt "$orvan" --dump "$temporaire/long.gen")
                              - $(somme_de_vingt "$orvan" --dump "$temporaire/court.gen")) * 50)")
node --no-experimental-fetch - "$web/orvan.js" "$temporaire/long.gen" "$natif_ms" <<'JS'
const [coeur, fichier, natif] = process.argv.slice(2);
require(coeur)().then((orvan) => {
  orvan.FS.writeFile("/long.gen", require("fs").readFileSync(fichier));
  const temps = [];
  for (let k = 0; k < 25; ++k) {
    const debut = performance.now();
    orvan.ccall("orvan_vidage", "string", ["string", "number"], ["/long.gen", 0]);
    temps.push(performance.now() - debut);
  }
  const premier = temps[0];
  temps.sort((a, b) => a - b);
  const n = Number(natif);
  console.log(`  dans un seul processus : natif ${n.toFixed(1)} ms ; web ${premier.toFixed(0)} ms la première`
              + ` fois, puis ${temps[12].toFixed(0)} ms (médiane), ${temps[0].toFixed(0)} ms (meilleur)`
              + ` : ${(temps[12] / n).toFixed(1)} x et ${(temps[0] / n).toFixed(1)} x`);
});
JS

for f in orvan.wasm orvan.js orvan.html; do
    printf '%-12s %8d octets, %8d gzip -9\n' "$f" "$(stat -c %s "$web/$f")" \
        "$(gzip -9c "$web/$f" | wc -c)"
done
echo "orvan.js + orvan.wasm gzip : $(( $(gzip -9c "$web/orvan.js" | wc -c) + $(gzip -9c "$web/orvan.wasm" | wc -c) )) octets"

cd "$web"
python3 -m http.server --bind 127.0.0.1 8765 >/dev/null 2>&1 &
serveur=$!
sleep 1
cd "$racine"
for i in 1 2 3; do
    node bench/page_web.mjs "http://127.0.0.1:8765/index.html" "$temporaire/page.png" \
        "$racine/data/exemples/groupes_abo_et_rhesus.gen"
done
# The page in one file, opened from file://, the family given through its file picker.
echo -n "orvan.html depuis file:// : "
node bench/page_web.mjs "file://$web/orvan.html" \
    "${CAPTURE:-$racine/build-web/page_fichier.png}" "$racine/data/exemples/groupes_abo_et_rhesus.gen"
cp "$temporaire/page.png" "${CAPTURE_SERVIE:-$racine/build-web/page.png}"
echo "captures : build-web/page.png, build-web/page_fichier.png"
