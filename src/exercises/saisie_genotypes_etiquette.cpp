#include "exercises/saisie_genotypes_etiquette.h"

#include "ground/texte.h"

#include <algorithm>

namespace orvan {

bool nomme_un_allele(std::string_view genotype) {
    return genotype.find_first_not_of(',') != std::string_view::npos;
}

std::string etiquette_phenotype(const ModeleCaracteres& modele, const std::string& geno1,
                                const std::string& geno2) {
    const int n = std::min(modele.nb_genotypes, max_genotypes_table);
    const auto tient = [&modele](int j, const std::string& genotype) {
        return nomme_un_allele(genotype) && contient(modele.genotype_texte[j], genotype);
    };
    std::string etiquette;
    // An entry without a phenotype name leaves the place to the next one that holds geno1.
    for (int j = 1; j <= n; ++j)
        if (etiquette.empty() && tient(j, geno1)) etiquette = modele.phenotype_du_genotype[j];
    for (int j = 1; j <= n; ++j)
        if (tient(j, geno2)) {
            etiquette += modele.phenotype_du_genotype[j];
            break;
        }
    // Built anew rather than replaced in place: GCC 12 wrongly sees an overflow in the replace.
    if (const auto p = etiquette.find("]["); p != std::string::npos)
        etiquette = etiquette.substr(0, p) + "," + etiquette.substr(p + 2);
    return etiquette;
}

} // namespace orvan
