// Replay and undo of long logs, headless.
#include "app/fenetre_principale.h"
#include "app/plateforme_silencieuse.h"

#include <benchmark/benchmark.h>

using namespace orvan;

namespace {

// Gene set-up and a three-generation family, then shifts and colour lines up to n lines.
std::vector<std::string> journal(std::size_t n, std::size_t decalages_en_fin = 0) {
    std::vector<std::string> l = {"aleat=31415926",     "bitbtn4click",       "group_premclick.0",
                                  "bitbtn1click",       "choix_all(1,left)",  "prem_alleleclick.0",
                                  "all_okclick",        "choix_all(2,left)",  "prem_alleleclick.1",
                                  "nb_desc=5",          "all_okclick",        "choix_all(3,left)",
                                  "prem_alleleclick.0", "nb_desc=3",          "all_okclick",
                                  "choix_all(4,left)",  "prem_alleleclick.1", "all_okclick"};
    for (std::size_t i = 0; l.size() < n - decalages_en_fin; ++i)
        l.push_back(i % 10 == 9 ? "couleur=(13,14,15,15,15,15,15,15,15,15)"
                                : "decal_fratrie(" + std::to_string(i % 3) + "," +
                                      std::to_string(i % 2 ? 3 : -3) + ")");
    if (decalages_en_fin > 0) l.back() = "couleur=(13,14,15,15,15,15,15,15,15,15)";
    while (l.size() < n)
        l.push_back("decal_fratrie(1,2)");
    return l;
}

void BM_rejeu_10000_lignes(benchmark::State& etat) {
    PlateformeSilencieuse p;
    FenetrePrincipale f(p);
    f.coquille.demarre();
    f.coquille.sequence_demarrage();
    f.journal.lignes() = journal(10000);
    for (auto _ : etat)
        f.historique.rejoue_journal();
    etat.counters["individus"] = f.famille.dernier_indiv();
}
BENCHMARK(BM_rejeu_10000_lignes)->Unit(benchmark::kMillisecond);

// One undo of a run of shift lines at the end of a log that begins with its gene set-up: the
// state's range gives the number of shift lines, after 1000 other lines.
void BM_annulation_decalages(benchmark::State& etat) {
    PlateformeSilencieuse p;
    FenetrePrincipale f(p);
    f.coquille.demarre();
    f.coquille.sequence_demarrage();
    const auto decalages = static_cast<std::size_t>(etat.range(0));
    const auto lignes = journal(1000 + decalages, decalages);
    for (auto _ : etat) {
        etat.PauseTiming();
        f.journal.lignes() = lignes;
        etat.ResumeTiming();
        f.historique.annule_derniere_action();
    }
    etat.counters["lignes_restantes"] = static_cast<double>(f.journal.lignes().size());
}
BENCHMARK(BM_annulation_decalages)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// The worst case of undo: a line before the seed line, so that the log does not begin with its
// gene set-up and every shift line of the run is removed with a replay of its own. The range
// gives the number of shift lines at the end.
void BM_annulation_decalages_sans_mise_en_place(benchmark::State& etat) {
    PlateformeSilencieuse p;
    FenetrePrincipale f(p);
    f.coquille.demarre();
    f.coquille.sequence_demarrage();
    const auto decalages = static_cast<std::size_t>(etat.range(0));
    auto lignes = journal(100 + decalages, decalages);
    lignes.insert(lignes.begin(), "ligne d'avant");
    for (auto _ : etat) {
        etat.PauseTiming();
        f.journal.lignes() = lignes;
        etat.ResumeTiming();
        f.historique.annule_derniere_action();
    }
    etat.counters["lignes_restantes"] = static_cast<double>(f.journal.lignes().size());
}
BENCHMARK(BM_annulation_decalages_sans_mise_en_place)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Opening a log of gene confirmations: the set-up, then the confirmation line again and again,
// as many as the state's range in MiB holds (14 bytes a line).
void BM_rejeu_confirmations(benchmark::State& etat) {
    PlateformeSilencieuse p;
    FenetrePrincipale f(p);
    f.coquille.demarre();
    f.coquille.sequence_demarrage();
    std::vector<std::string> lignes = {"aleat=31415926", "bitbtn4click", "group_premclick.0"};
    const auto taille = static_cast<std::size_t>(etat.range(0)) * 1024 * 1024;
    while (lignes.size() < taille / 14)
        lignes.push_back("bitbtn1click");
    for (auto _ : etat) {
        f.journal.lignes() = lignes;
        f.historique.rejoue_journal();
    }
    etat.counters["lignes"] = static_cast<double>(lignes.size());
}
BENCHMARK(BM_rejeu_confirmations)->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
