#include "statistiques/series.h"

#include <algorithm>
#include <map>

namespace orvan {

std::vector<double> proportion_courante(const std::vector<FamilleReleve>& familles,
                                        const std::string& phenotype) {
    std::vector<double> r;
    double enfants = 0, montrent = 0;
    for (const FamilleReleve& f : familles) {
        bool nouveaux = false;
        for (const IndividuReleve& i : f.individus) {
            if (!i.a_des_parents()) continue;
            nouveaux = true;
            ++enfants;
            if (i.phenotype_texte() == phenotype) ++montrent;
        }
        if (nouveaux) r.push_back(montrent / enfants);
    }
    return r;
}

std::vector<GroupeCalibration> calibration(const std::vector<FamilleReleve>& familles,
                                           std::size_t gene) {
    std::map<std::string, GroupeCalibration> groupes;
    for (const FamilleReleve& f : familles)
        for (const IndividuReleve& i : f.individus) {
            if (gene >= i.porteur.size() || !i.porteur[gene] || gene >= i.genotypes.size())
                continue;
            GroupeCalibration& g = groupes[i.porteur[gene]->fraction];
            g.fraction = i.porteur[gene]->fraction;
            g.probabilite = i.porteur[gene]->valeur;
            ++g.individus;
            if (est_heterozygote(i.genotypes[gene])) ++g.porteurs;
        }
    std::vector<GroupeCalibration> r;
    for (const auto& [fraction, g] : groupes)
        r.push_back(g);
    std::sort(r.begin(), r.end(),
              [](const auto& a, const auto& b) { return a.probabilite < b.probabilite; });
    return r;
}

} // namespace orvan
