#!/bin/sh
# Start-up of orvan against the barest Qt window: time from process start to the first painted
# main window, and peak memory. Builds nothing: give the build directory (default build/), which
# must hold orvan and fenetre_nue. ORVAN= and FENETRE_NUE= override the two programs' paths.
#
# Without a display the measures run under Xvfb (xvfb-run), else on the offscreen platform.
set -eu

build=${1:-build}
orvan=${ORVAN:-$build/orvan}
nue=${FENETRE_NUE:-$build/fenetre_nue}
[ -x "$nue" ] || [ ! -x "$build/bench/fenetre_nue" ] || nue=$build/bench/fenetre_nue
runs=${RUNS:-20}

for programme in "$orvan" "$nue"; do
    if [ ! -x "$programme" ]; then
        echo "introuvable : $programme (construisez d'abord le répertoire $build)" >&2
        exit 1
    fi
done

if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    if command -v xvfb-run >/dev/null 2>&1 && [ -z "${DEMARRAGE_SOUS_XVFB:-}" ]; then
        DEMARRAGE_SOUS_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
    fi
    export QT_QPA_PLATFORM=offscreen
fi

installe() {
    command -v "$1" >/dev/null 2>&1 && return 0
    [ -x "/usr/bin/$1" ] && return 0
    echo "installation de $2..." >&2
    apt-get install -y "$2" >/dev/null
}
installe hyperfine hyperfine
installe time time
installe python3 python3

# Each process leaves after its first painted window.
export ORVAN_QUITTER_APRES_AFFICHAGE=1
temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT

hyperfine -N --warmup 3 --runs "$runs" --style basic --export-json "$temp/temps.json" \
    -n orvan "$orvan" -n fenetre_nue "$nue" >&2

memoire() {
    # Median of the peak resident sets, in KiB.
    for _ in 1 2 3 4 5 6 7; do
        /usr/bin/time -f %M -o "$temp/m" "$1" >/dev/null 2>&1
        cat "$temp/m"
    done | sort -n | sed -n 4p
}
mem_orvan=$(memoire "$orvan")
mem_nue=$(memoire "$nue")

python3 - "$temp/temps.json" "$mem_orvan" "$mem_nue" <<'PY'
import json, sys
res = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
t_o, t_n = res["orvan"]["median"] * 1000, res["fenetre_nue"]["median"] * 1000
m_o, m_n = int(sys.argv[2]), int(sys.argv[3])
print(f"{'':14}{'orvan':>12}{'fenêtre nue':>14}{'rapport':>10}{'cible':>8}")
print(f"{'temps (ms)':14}{t_o:12.1f}{t_n:14.1f}{t_o / t_n:10.2f}{'≤ 1.5':>8}")
print(f"{'mémoire (Kio)':14}{m_o:12d}{m_n:14d}{m_o / m_n:10.2f}{'≤ 1.3':>8}")
ok = t_o <= 1.5 * t_n and m_o <= 1.3 * m_n
print("dans les cibles" if ok else "HORS CIBLE")
sys.exit(0 if ok else 1)
PY
