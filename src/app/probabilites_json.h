// The probabilities of a family as JSON: per individual and gene, each genotype's probability as
// a fraction, and the carrier's.
#pragma once

#include "ground/textes.h"
#include "probabilites/moteur_probabilites.h"

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

namespace orvan {

class FenetrePrincipale;

struct ProbabilitesDeLaFamille {
    FamilleVue famille;
    ResultatProbabilites resultat;
    std::vector<EspaceGene> espaces;
};

// The family of the window, as the pupil sees it, under the prior asked.
ProbabilitesDeLaFamille probabilites_de_la_famille(const FenetrePrincipale& f, APriori a_priori);

// Individual n's genotypes per gene: {"Hémophilie h": {"XH,XH": "2/3", "XH,Xh": "1/3"}}.
nlohmann::ordered_json probabilites_individu(const ProbabilitesDeLaFamille& p, int n);

// "orvan --probabilites FAMILLE.gen [--population]": 0, or 1 when the file cannot be read or
// when the family contradicts itself (the message on the error stream, in the language asked).
int vidage_probabilites(const std::string& fichier, APriori a_priori, std::ostream& sortie,
                        std::ostream& erreurs, Langue messages = Langue::francais);

} // namespace orvan
