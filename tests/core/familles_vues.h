// Families as the probabilities see them, written as a teacher sets them on the board: the
// genes of the built-in bank, each individual with its sex, its parents and its phenotypes.
#pragma once

#include "ground/texte.h"
#include "probabilites/famille_vue.h"
#include "regles/banque_integree.h"
#include "regles/decoupage.h"

#include <string>
#include <vector>

namespace orvan::test {

// A gene of the built-in bank, its genotype table as the bank lists it.
inline GeneVu gene_de_la_banque(const std::string& nom) {
    GeneVu g{nom, {}};
    const auto& lignes = banque_integree();
    bool dedans = false;
    for (const std::string& l : lignes) {
        if (l.size() > 1 && l.front() == '{') dedans = l == "{" + nom + "}";
        if (!dedans || !contient(l, "[")) continue;
        const ListeGenotypes liste = decoupe_genotypes(l);
        for (const std::string& genotype : liste.genotypes)
            g.table.push_back({liste.phenotype.substr(1, liste.phenotype.size() - 2), genotype});
    }
    return g;
}

// An individual for one gene; genotype: the one the pupil entered, if any.
inline IndividuVu vu(int numero, Sexe sexe, std::string phenotype, int premier = 0, int second = 0,
                     std::string genotype = "") {
    return {numero, sexe, premier, second, {std::move(phenotype)}, {std::move(genotype)}};
}

constexpr Sexe H = Sexe::homme;
constexpr Sexe F = Sexe::femme;

} // namespace orvan::test
