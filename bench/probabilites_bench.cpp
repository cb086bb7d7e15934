// The probabilities of a family of 40 with two genes, and the Bayes table of one individual.
#include "familles_vues.h"
#include "probabilites/moteur_probabilites.h"

#include <benchmark/benchmark.h>

namespace orvan {
namespace {

// The alleles a parent gives, as a family drawn by hand: the k-th child takes its parents'
// alleles in turn; a father gives his X to a daughter and his Y to a son.
std::string allele(const std::string& genotype, bool homme_lie_a_x, Sexe enfant, int k) {
    const std::string a = avant(genotype, ','), b = genotype.substr(genotype.find(',') + 1);
    if (homme_lie_a_x) return enfant == Sexe::homme ? "Y" : (a == "Y" ? b : a);
    return k % 2 == 0 ? a : b;
}

// Six children of the founders, five of them married, each couple with six children, cut at
// 40; every phenotype shown as these genotypes give it.
FamilleVue famille_de_quarante(const std::string& gene1, const std::string& gene2,
                               const std::array<std::string, 4>& fondateurs) {
    FamilleVue f{{test::gene_de_la_banque(gene1), test::gene_de_la_banque(gene2)}, {}};
    std::vector<EspaceGene> espaces{EspaceGene(f.genes[0]), EspaceGene(f.genes[1])};
    std::vector<std::array<std::string, 2>> genotypes(41);
    const auto ajoute = [&](int k, Sexe s, int p1, int p2, std::array<std::string, 2> g) {
        genotypes[k] = g;
        IndividuVu ind{k, s, p1, p2, {}, {"", ""}};
        for (int n = 0; n < 2; ++n)
            ind.phenotype.push_back(espaces[n].phenotype(*espaces[n].etat(g[n])));
        f.individus.push_back(ind);
    };
    const auto enfant = [&](int k, int p1, int p2, Sexe s1, Sexe s) {
        std::array<std::string, 2> g;
        for (int n = 0; n < 2; ++n) {
            const bool lie = espaces[n].lie_a_x();
            g[n] = allele(genotypes[p1][n], lie && s1 == Sexe::homme, s, k) + "," +
                   allele(genotypes[p2][n], lie && s1 == Sexe::femme, s, k / 2);
        }
        ajoute(k, s, p1, p2, g);
    };
    ajoute(1, Sexe::homme, 0, 0, {fondateurs[0], fondateurs[1]});
    ajoute(2, Sexe::femme, 0, 0, {fondateurs[2], fondateurs[3]});
    for (int k = 3; k <= 8; ++k)
        enfant(k, 1, 2, Sexe::homme, k % 2 ? Sexe::homme : Sexe::femme);
    int suivant = 9;
    for (int p = 3; p <= 7 && suivant <= 40; ++p) {
        const Sexe sp = p % 2 ? Sexe::homme : Sexe::femme;
        const Sexe sc = sp == Sexe::homme ? Sexe::femme : Sexe::homme;
        ajoute(suivant, sc, 0, 0, sp == Sexe::homme ? genotypes[2] : genotypes[1]);
        const int conjoint = suivant++;
        for (int c = 0; c < 6 && suivant <= 40; ++c, ++suivant)
            enfant(suivant, p, conjoint, sp, c % 2 ? Sexe::homme : Sexe::femme);
    }
    return f;
}

FamilleVue abo_rhesus() {
    return famille_de_quarante("Groupes ABO", "Facteur rhésus rh+ rh-",
                               {"A,O", "Rh+,Rh-", "B,O", "Rh+,Rh-"});
}

FamilleVue daltonisme_hemophilie() {
    return famille_de_quarante("Daltonisme d", "Hémophilie h", {"XD,Y", "XH,Y", "XD,Xd", "XH,Xh"});
}

ReglagesProbabilites reglages(APriori a) {
    return {a,
            {{"Groupes ABO",
              {{"A", Rationnel(29, 100)}, {"B", Rationnel(7, 100)}, {"O", Rationnel(64, 100)}}},
             {"Facteur rhésus rh+ rh-", {{"Rh+", Rationnel(61, 100)}, {"Rh-", Rationnel(39, 100)}}},
             {"Daltonisme d", {{"XD", Rationnel(92, 100)}, {"Xd", Rationnel(8, 100)}}},
             {"Hémophilie h", {{"XH", Rationnel(4999, 5000)}, {"Xh", Rationnel(1, 5000)}}}}};
}

// The family as the window recomputes it after an event: the children of each pair of
// parents already known.
void calcule(benchmark::State& state, FamilleVue (*famille)(), APriori a) {
    const FamilleVue f = famille();
    LoiEnfantProgramme lois;
    for (auto _ : state) {
        MoteurProbabilites moteur(f, reglages(a), lois);
        const auto r = moteur.calcule();
        if (r.contradiction) state.SkipWithError("famille contradictoire");
        benchmark::DoNotOptimize(r);
    }
}

// The first time: every pair of parents' children gone through.
void calcule_a_froid(benchmark::State& state, FamilleVue (*famille)()) {
    const FamilleVue f = famille();
    for (auto _ : state) {
        LoiEnfantProgramme lois;
        MoteurProbabilites moteur(f, reglages(APriori::programme), lois);
        benchmark::DoNotOptimize(moteur.calcule());
    }
}

void table_bayes(benchmark::State& state, FamilleVue (*famille)()) {
    const FamilleVue f = famille();
    LoiEnfantProgramme lois;
    for (auto _ : state) {
        MoteurProbabilites moteur(f, reglages(APriori::programme), lois);
        benchmark::DoNotOptimize(moteur.table_bayes(4, 1));
    }
}

BENCHMARK_CAPTURE(calcule, abo_rhesus_programme, abo_rhesus, APriori::programme)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcule, abo_rhesus_population, abo_rhesus, APriori::population)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcule, daltonisme_hemophilie_programme, daltonisme_hemophilie,
                  APriori::programme)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcule, daltonisme_hemophilie_population, daltonisme_hemophilie,
                  APriori::population)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcule_a_froid, abo_rhesus, abo_rhesus)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcule_a_froid, daltonisme_hemophilie, daltonisme_hemophilie)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(table_bayes, abo_rhesus, abo_rhesus)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvan

BENCHMARK_MAIN();
