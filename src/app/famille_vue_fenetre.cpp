#include "app/famille_vue_fenetre.h"

#include "app/fenetre_principale.h"
#include "ground/texte.h"

#include <algorithm>

namespace orvan {

namespace {

// The gene's entries of the genotype table.
GeneVu gene_vu(const ModeleCaracteres& m, int g) {
    const auto i = static_cast<std::size_t>(g);
    GeneVu gene{m.nom_gene[i], {}};
    const int debut = m.premiere_entree[i];
    const int fin = std::min(debut + m.nb_entrees_table[i], m.nb_genotypes + 1);
    for (int k = debut; k < fin; ++k) {
        const std::string& p = m.phenotype_du_genotype[static_cast<std::size_t>(k)];
        const std::string nom = p.size() >= 2 ? p.substr(1, p.size() - 2) : "";
        gene.table.push_back({nom, m.genotype_texte[static_cast<std::size_t>(k)]});
    }
    return gene;
}

// What the pupil knows of one gene: the genotype entered or changed by hand, which says more
// than the phenotype shown; else that phenotype.
void ajoute_gene(const Individu& i, int g, IndividuVu& ind) {
    if (i.genotype_saisi) {
        ind.phenotype.emplace_back();
        ind.genotype.push_back(i.genotype(g).texte());
    } else {
        ind.phenotype.push_back(avant(i.phenotype(g), ','));
        ind.genotype.emplace_back();
    }
}

} // namespace

FamilleVue famille_vue(const FenetrePrincipale& f) {
    FamilleVue vue;
    vue.regle = f.arbre.ped.regle_gametes;
    const ModeleCaracteres& m = f.genes.modele;
    for (int g = 1; g <= m.nb_genes; ++g)
        vue.genes.push_back(gene_vu(m, g));
    const Famille& famille = f.famille;
    for (int k = 1; k <= max_individus; ++k) {
        const Individu& i = famille.individu(k);
        if (!i.visible || (k > 2 && k > famille.dernier_indiv())) continue;
        const Parents p = famille.parents(k).value_or(Parents{});
        IndividuVu ind{k, i.sexe, p.premier, p.second, {}, {}};
        for (int g = 1; g <= m.nb_genes; ++g)
            ajoute_gene(i, g, ind);
        vue.individus.push_back(std::move(ind));
    }
    return vue;
}

} // namespace orvan
