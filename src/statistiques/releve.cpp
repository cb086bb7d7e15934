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

bool est_heterozygote(const std::string& genotype) {
    const auto virgule = genotype.find(',');
    if (virgule == std::string::npos) return false;
    const std::string a = genotype.substr(0, virgule), b = genotype.substr(virgule + 1);
    return !a.empty() && !b.empty() && a != b && a != "Y" && b != "Y";
}

} // namespace orvan
