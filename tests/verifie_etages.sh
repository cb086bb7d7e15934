#!/usr/bin/env bash
# The core's folders are floors: each includes only the folders below it. A new folder takes its
# floor here, and docs/architecture.md says why.
set -u
src="$1"
declare -A etage=([ground]=0 [famille]=1 [regles]=2 [probabilites]=3 [statistiques]=4
                  [history]=5 [ui]=6 [scene]=7 [panneaux]=8 [historique]=8 [genebank]=9
                  [pedigree]=10 [conseil]=11 [exercises]=11 [app]=12 [web]=13)
echec=0
for dossier in "$src"/*/; do
    nom=$(basename "$dossier")
    [ "$nom" = qt ] && continue
    if [ -z "${etage[$nom]+x}" ]; then
        echo "src/$nom n'a pas d'étage"
        echec=1
        continue
    fi
    while IFS=: read -r fichier inclus; do
        cible=${inclus%%/*}
        [ "$cible" = "$nom" ] && continue
        if [ -z "${etage[$cible]+x}" ] || [ "${etage[$cible]}" -ge "${etage[$nom]}" ]; then
            echo "${fichier#"$src"/} inclut $inclus, qui n'est pas plus bas"
            echec=1
        fi
    done < <(grep -ro '^#include "[a-z_]*/[a-z_]*\.h"' "$dossier" | sed 's/#include "\(.*\)"/\1/')
done
exit $echec
