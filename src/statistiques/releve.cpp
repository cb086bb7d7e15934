#include "statistiques/releve.h"

namespace orvan {

std::string IndividuReleve::phenotype_texte() const {
    std::string t = "[";
    for (std::size_t g = 0; g < phenotypes.size(); ++g)
        t += (g ? "," : "") + phenotypes[g];
    return t + "]";
}

const IndividuReleve* FamilleReleve::individu(int numero) const {
    for (const IndividuReleve& i : individus)
        if (i.numero == numero) return &i;
    return nullptr;
}

} // namespace orvan
