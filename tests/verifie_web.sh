#!/usr/bin/env bash
# The web build's core, run under node, gives byte for byte the desktop program's dump of every
# saved family, with and without the probabilities. Skipped (code 77) when there is no web build.
set -u
orvan="$1"
racine="$2"
[ -f "$racine/build-web/web/orvan.js" ] || { echo "pas de version web (outils/web.sh)"; exit 77; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
echec=0
nb=0
for gen in "$racine"/tests/data/*.gen "$racine"/data/exemples/*.gen; do
    for options in "" "--probabilites" "--probabilites --population"; do
        # The examples and a few of the tests' families carry the probabilities' cases.
        [ -n "$options" ] && [[ "$gen" != */exemples/* ]] && [[ "$gen" != *deux_genes* ]] && continue
        nb=$((nb + 1))
        # shellcheck disable=SC2086
        if ! cmp -s <("$orvan" --dump "$gen" $options 2>&1; echo "code $?") \
                    <("$racine/outils/web.sh" dump "$gen" $options 2>&1; echo "code $?"); then
            echo "la version web diffère pour --dump $gen $options"
            echec=1
        fi
    done
done
# An absent file gets the same message.
if ! cmp -s <("$orvan" --dump /nulle/part.gen 2>&1; echo "code $?") \
            <("$racine/outils/web.sh" dump /nulle/part.gen 2>&1; echo "code $?"); then
    echo "la version web diffère pour un fichier absent"
    echec=1
fi
echo "$nb vidages comparés"
exit $echec
