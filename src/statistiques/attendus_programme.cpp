#include "statistiques/attendus_programme.h"

#include "ground/texte.h"
#include "probabilites/loi_enfant.h"

#include <memory>

namespace orvan {

namespace {

// The phenotype the crossing gives a child's genotype: the last entry of the table with that
// text, its name cut as the crossing cuts it.
std::string phenotype_de(const GeneReleve& gene, const std::string& genotype) {
    std::string nom;
    for (const EntreeGenotype& e : gene.table)
        if (e.genotype == genotype) nom = coupe(e.phenotype, 40);
    return nom;
}

GenotypesParent genotypes_de(const IndividuReleve& i) {
    GenotypesParent g;
    for (std::size_t k = 0; k < i.genotypes.size() && k < g.size(); ++k)
        g[k] = i.genotypes[k];
    return g;
}

} // namespace

LoiDesEnfants loi_des_enfants_du_programme() {
    auto lois = std::make_shared<LoiEnfantProgramme>();
    return [lois](const FamilleReleve& f, const IndividuReleve& premier,
                  const IndividuReleve& second) -> std::optional<Comptes> {
        if (f.genes.empty() || f.genes.size() > 2) return std::nullopt;
        lois->suit(f.regle);
        Comptes loi;
        for (const auto& [issue, p] : lois->loi(genotypes_de(premier), genotypes_de(second))) {
            const auto& [geno1, geno2, sexe] = issue;
            IndividuReleve enfant;
            enfant.phenotypes.push_back(phenotype_de(f.genes[0], geno1));
            if (f.genes.size() == 2) enfant.phenotypes.push_back(phenotype_de(f.genes[1], geno2));
            loi[{enfant.phenotype_texte(), sexe}] += en_double(p);
        }
        return loi;
    };
}

} // namespace orvan
