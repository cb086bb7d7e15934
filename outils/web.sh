#!/usr/bin/env bash
# The browser's build: installs what it needs from Debian, builds the core with Emscripten into
# build-web/web (index.html, its scripts, orvan.js, orvan.wasm, and orvan.html, the whole page in
# one file that opens from file://).
#   outils/web.sh                          installs (chromium too, for the page's test) and builds
#   outils/web.sh coeur                    installs only what the build needs, and builds
#   outils/web.sh dump FICHIER.gen [--probabilites [--population]]
#                                          the JSON of `orvan --dump`, from the web build's core
#                                          run under node
#   outils/web.sh serve [PORT]             serves the page on http://localhost:PORT (8000)
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
web="$racine/build-web/web"
# Debian's emcc needs Debian's node modules, whichever node is installed.
export NODE_PATH=/usr/share/nodejs

construit() {
    "$racine/outils/installe_paquets.sh" emscripten nodejs libboost-dev nlohmann-json3-dev
    cd "$racine"
    ./outils/configurer.sh web
    cmake --build --preset web -j2
}

case "${1:-}" in
"")
    "$racine/outils/installe_paquets.sh" chromium
    construit
    ;;
coeur)
    construit
    ;;
dump)
    shift
    [ -f "$web/orvan.js" ] || construit >&2
    # Node 18 and later fetch the .wasm by URL unless told not to; the loader reads it as a file.
    exec node --no-experimental-fetch "$web/vidage_node.js" "$@"
    ;;
serve)
    [ -f "$web/orvan.html" ] || construit
    port="${2:-8000}"
    echo "La page : http://localhost:$port/ (Ctrl+C pour arrêter)"
    cd "$web"
    exec python3 -m http.server --bind 127.0.0.1 "$port"
    ;;
*)
    sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
