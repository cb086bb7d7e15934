// A table's children against what was expected: the program's exact law, or the ratios the
// pupil typed as the hypothesis to test.
#pragma once

#include "ground/textes.h"
#include "statistiques/khi2.h"
#include "statistiques/tables.h"

#include <optional>
#include <string>
#include <vector>

namespace orvan {

struct Comparaison {
    std::vector<Texte> cases; // "[D] fils", or "[D]" with both sexes together
    std::vector<double> observes, attendus;
    TestKhi2 test;
};

// Phenotype and sex against the program's law; nullopt when the table has none.
std::optional<Comparaison> compare_au_programme(const TableCroisement& t);

// The pupil's ratios: "D=3 d=1" or "[D]=3, [d]=1" for the phenotypes, both sexes together;
// "D/fils=1 d/fils=1 D/filles=2" per sex ("sons" and "daughters" too). A phenotype left out is
// expected not to occur.
struct Hypothese {
    struct Rapport {
        std::string phenotype; // "[D]"
        std::optional<Sexe> sexe;
        double poids = 0;
    };
    std::vector<Rapport> rapports;
    bool par_sexe() const;
};
// Empty with the reason set when the text cannot be read.
std::optional<Hypothese> lit_hypothese(const std::string& texte, Texte& erreur);
Comparaison compare_a_l_hypothese(const TableCroisement& t, const Hypothese& h);

Texte nom_sexe_enfants(Sexe s); // "fils", "filles"

} // namespace orvan
