// The draw of one child from its parents' gametes, and the phenotype a genotype reads as.
// The order and range of every draw is part of the saved files' format.
#pragma once

#include "ground/generateur.h"

#include "famille/sexe.h"
#include "regles/modele_caracteres.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace orvan {

struct Enfant {
    std::string geno1, geno2;
    Sexe sexe = Sexe::homme;
};

// The number of children of a crossing. item: the item of the number box ("hasard" is 0).
// The founders' crossing takes two draws for a number left to chance.
int nb_enfants_tire(int item, bool fondateurs, const Tirage& tirage);

// One child: a gamete of each parent, a draw for its sex, and the sex that an X-linked gene
// fixes instead, or a second draw for it.
Enfant tire_enfant(const std::array<std::string, 4>& gametes1,
                   const std::array<std::string, 4>& gametes2, const Tirage& tirage);

// The phenotype name (without brackets) of the last table entry of the genotype; empty when
// the table has none.
std::string phenotype_du_genotype(const ModeleCaracteres& modele, const std::string& genotype);

} // namespace orvan
