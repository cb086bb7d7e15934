#!/usr/bin/env bash
# Builds the fuzz targets of the core with clang (preset "fuzz", in build-fuzz) and runs each for
# the given number of seconds, 30 by default. Fails when a target finds a crash, a hang of more
# than 2 s or a use of more than 1 GB of memory; the input that did it is kept in
# build-fuzz/trouvailles. The corpus grows in build-fuzz/corpus from one run to the next: remove
# it to start again from the seeds (tests/data, the built-in gene bank, the language file).
set -euo pipefail
cd "$(dirname "$0")/.."
duree="${1:-30}"

# clang and its runtime (libFuzzer, the sanitizers) are needed here only; no Qt.
paquets=(build-essential cmake nlohmann-json3-dev clang-14 libclang-rt-14-dev ccache)
./outils/installe_paquets.sh "${paquets[@]}"

./outils/configurer.sh fuzz
cmake --build --preset fuzz -j"$(nproc)"

construit=build-fuzz/fuzz
graines=build-fuzz/graines
corpus=build-fuzz/corpus
trouvailles=build-fuzz/trouvailles
rm -rf "$graines"
mkdir -p "$graines"/{gen,banque,langue,journal_long} "$corpus"/{gen,banque,langue,journal_long} \
    "$trouvailles"
cp tests/data/*.gen "$graines/gen/"
cp data/langue_orvan.txt "$graines/langue/"
"$construit/graines_fuzz" "$graines/banque"
# A line before the seed, a set-up, then 64 confirmations and 4096 shifts after a founder's
# phenotypes; undone, redone, pooled and dumped.
printf '\x0f\x01\x00\x03\x00\x00\x3f\x05\x00\x07\x00\x09\x00\x0b\xf9' >"$graines/journal_long/graine"

# The figures of a run: executions per second, and the edges covered out of those instrumented,
# once the seeds have run and at the end.
bilan() {
    local journal="$1" compteurs depart couverture vitesse
    compteurs=$(sed -n 's/.*(\([0-9]*\) inline 8-bit counters).*/\1/p' "$journal" | head -1)
    depart=$(grep -m1 'INITED' "$journal" | grep -o 'cov: [0-9]*' | cut -d' ' -f2)
    couverture=$(grep -o 'cov: [0-9]*' "$journal" | tail -1 | cut -d' ' -f2)
    vitesse=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$journal")
    echo "${vitesse:-?} exécutions/s, couverture ${couverture:-?} arêtes sur ${compteurs:-?}" \
        "(${depart:-?} avec les graines seules)"
}

echec=0
for cible in gen banque langue journal_long; do
    journal="build-fuzz/${cible}_fuzz.log"
    dictionnaire=()
    [ -f "fuzz/${cible}.dict" ] && dictionnaire=(-dict="fuzz/${cible}.dict")
    # The long logs bound their own processor time and memory, in proportion to their length:
    # libFuzzer's clock only stops a run that hangs, and a busy machine does not stop the others.
    limites=(-timeout=2 -rss_limit_mb=1024)
    [ "$cible" = journal_long ] && limites=(-timeout=1200 -rss_limit_mb=4096 -max_len=8192)
    if "$construit/${cible}_fuzz" -max_total_time="$duree" "${limites[@]}" \
        -print_final_stats=1 "${dictionnaire[@]}" -artifact_prefix="$trouvailles/${cible}-" \
        "$corpus/$cible" "$graines/$cible" >"$journal" 2>&1; then
        echo "${cible}_fuzz : $(bilan "$journal")"
    else
        tail -n 60 "$journal"
        echo "${cible}_fuzz : ÉCHEC, entrée gardée dans $trouvailles ($(bilan "$journal"))"
        echec=1
    fi
done
exit $echec
