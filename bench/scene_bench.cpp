// The scene of the family of 40 with two genes (tests/data/quarante_deux_genes.gen), every
// option of "Affichage" on: its layout and scene from what the window holds, the texts of the
// carrier probabilities gathered with them, and the SVG written from the scene.
#include "app/fenetre_principale.h"
#include "app/plateforme_silencieuse.h"
#include "app/scene_fenetre.h"
#include "scene/compose_scene.h"
#include "scene/svg_scene.h"

#include <benchmark/benchmark.h>

using namespace orvan;

namespace {

struct FamilleOuverte {
    PlateformeSilencieuse plateforme;
    FenetrePrincipale f{plateforme};
    FamilleOuverte() {
        f.coquille.demarre();
        f.coquille.sequence_demarrage();
        if (!f.historique.ouvre_fichier(ORVAN_DONNEES "/quarante_deux_genes.gen")) std::abort();
    }
};

FamilleOuverte& famille() {
    static FamilleOuverte f;
    return f;
}

const OptionsScene toutes_les_options{true, true, APriori::programme};

void BM_disposition_et_scene(benchmark::State& etat) {
    const DonneesScene donnees = donnees_de_la_scene(famille().f, toutes_les_options);
    for (auto _ : etat)
        benchmark::DoNotOptimize(compose_scene(donnees));
}

void BM_donnees_probabilites_et_scene(benchmark::State& etat) {
    for (auto _ : etat)
        benchmark::DoNotOptimize(
            compose_scene(donnees_de_la_scene(famille().f, toutes_les_options)));
}

void BM_svg(benchmark::State& etat) {
    const DonneesScene donnees = donnees_de_la_scene(famille().f, toutes_les_options);
    const Scene scene = compose_scene(donnees);
    for (auto _ : etat)
        benchmark::DoNotOptimize(svg_de_la_scene(scene, donnees));
}

BENCHMARK(BM_disposition_et_scene)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_donnees_probabilites_et_scene)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_svg)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
