// The phenotype label that a genotype given by hand earns, read from the genotype table.
#pragma once

#include "regles/modele_caracteres.h"

#include <string>
#include <string_view>

namespace orvan {

// False for "" and for the "," that a one-gene crossing leaves as the second genotype: such a
// text is a substring of every entry of the table and would name a phenotype it does not have.
bool nomme_un_allele(std::string_view genotype);

// The phenotype of the first table entry that holds geno1, then that of the first entry that
// holds geno2, the two sharing one pair of brackets: "[A,Rh-]".
std::string etiquette_phenotype(const ModeleCaracteres& modele, const std::string& geno1,
                                const std::string& geno2);

} // namespace orvan
