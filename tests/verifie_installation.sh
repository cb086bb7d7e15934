#!/bin/sh
# Installs the built program into a temporary prefix and checks that every file stands where a
# desktop looks for it, and that the desktop entry and the AppStream metadata are valid.
set -eu
build=$1
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
cmake --install "$build" --prefix "$prefixe" >/dev/null

echec=0
doit_exister() {
    if [ ! -s "$prefixe/$1" ]; then
        echo "manque : $1" >&2
        echec=1
    fi
}
doit_exister bin/orvan
# The plots' module, where the program looks for it from its own folder.
module=$(cd "$prefixe" && find . -path '*/orvan/liborvan_graphiques.so' | head -n 1)
if [ -z "$module" ]; then
    echo "manque : le module des graphiques" >&2
    echec=1
fi
doit_exister share/orvan/langue_orvan.txt
doit_exister share/orvan/aide/orvan.html
doit_exister share/orvan/aide/orvan-en.html
doit_exister share/applications/fr.orvan.Orvan.desktop
doit_exister share/metainfo/fr.orvan.Orvan.metainfo.xml
doit_exister share/mime/packages/fr.orvan.Orvan.xml
doit_exister share/icons/hicolor/scalable/apps/fr.orvan.Orvan.svg
for taille in 16 32 48 64 128 256; do
    doit_exister share/icons/hicolor/${taille}x${taille}/apps/fr.orvan.Orvan.png
done
for exemple in "$(dirname "$0")"/../data/exemples/*.gen; do
    [ -e "$exemple" ] || continue
    doit_exister "share/orvan/Exemples/$(basename "$exemple")"
done

desktop-file-validate "$prefixe/share/applications/fr.orvan.Orvan.desktop"
appstreamcli validate --no-net "$prefixe/share/metainfo/fr.orvan.Orvan.metainfo.xml" >/dev/null

# .gen files are families of ours, above any other type that claims the extension.
update-mime-database "$prefixe/share/mime"
if ! grep -q '^80:application/x-orvan-famille:\*\.gen' "$prefixe/share/mime/globs2"; then
    echo "le type MIME des fichiers .gen manque" >&2
    echec=1
fi

# The installed program finds its help and language file whatever the current directory.
cd /
if ! "$prefixe/bin/orvan" --version >/dev/null; then echec=1; fi
exit $echec
