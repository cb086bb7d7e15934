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
                                           const std::string& gene) {
    std::map<std::string, GroupeCalibration> groupes;
    for (const FamilleReleve& f : familles) {
        const auto g = std::find_if(f.genes.begin(), f.genes.end(),
                                    [&gene](const GeneReleve& g) { return g.nom == gene; });
        if (g == f.genes.end()) continue;
        const auto k = static_cast<std::size_t>(g - f.genes.begin());
        for (const IndividuReleve& i : f.individus) {
            if (k >= i.porteur.size() || !i.porteur[k]) continue;
            GroupeCalibration& groupe = groupes[i.porteur[k]->fraction];
            groupe.fraction = i.porteur[k]->fraction;
            groupe.probabilite = i.porteur[k]->valeur;
            ++groupe.individus;
            groupe.porteurs += i.porteur[k]->porteur_en_fait;
        }
    }
    std::vector<GroupeCalibration> r;
    for (const auto& [fraction, g] : groupes)
        r.push_back(g);
    std::sort(r.begin(), r.end(),
              [](const auto& a, const auto& b) { return a.probabilite < b.probabilite; });
    return r;
}

std::vector<std::string> genes_des_familles(const std::vector<FamilleReleve>& familles) {
    std::vector<std::string> noms;
    for (const FamilleReleve& f : familles)
        for (const GeneReleve& g : f.genes)
            if (std::find(noms.begin(), noms.end(), g.nom) == noms.end()) noms.push_back(g.nom);
    return noms;
}

} // namespace orvan
