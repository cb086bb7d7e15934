#include "app/famille_vue_fenetre.h"

#include "app/fenetre_principale.h"
#include "ui/texte.h"

#include <algorithm>

namespace orvan {

namespace {

// The gene's name as the title shows it: "Daltonisme d", or "Groupes ABO et Facteur rhésus".
std::string nom_du_gene(const FenetrePrincipale& f, int g) {
    const std::string& titre = f.coquille.titre->caption;
    if (f.genes.modele.nb_genes == 1) return titre;
    const auto et = titre.find(" et ");
    if (et == std::string::npos) return g == 1 ? titre : "";
    return g == 1 ? titre.substr(0, et) : titre.substr(et + 4);
}

// The gene's entries of the genotype table: those of its phenotypes.
GeneVu gene_vu(const FenetrePrincipale& f, int g) {
    const ModeleCaracteres& m = f.genes.modele;
    GeneVu gene{nom_du_gene(f, g), {}};
    std::vector<std::string> noms;
    for (const std::string& item :
         (g == 1 ? *f.phenotypes.premier_phenotype : *f.phenotypes.second_phenotype).items)
        noms.push_back(avant(item, ','));
    for (int k = 1; k <= m.nb_genotypes; ++k) {
        const std::string& p = m.phenotype_du_genotype[k];
        const std::string nom = p.size() >= 2 ? p.substr(1, p.size() - 2) : "";
        if (std::find(noms.begin(), noms.end(), nom) != noms.end())
            gene.table.push_back({nom, m.genotype_texte[k]});
    }
    return gene;
}

// The first parent of a later union: the individual its spouse was placed beside.
int partenaire_du_conjoint(const FenetrePrincipale& f, int conjoint) {
    const Forme& s = *f.arbre.tab_shape[conjoint];
    for (int k = 3; k < conjoint; ++k) {
        const Forme& p = *f.arbre.tab_shape[k];
        if (p.visible && p.top == s.top && p.left + 40 == s.left) return k;
    }
    return 0;
}

} // namespace

FamilleVue famille_vue(const FenetrePrincipale& f) {
    FamilleVue vue;
    const int nb_genes = f.genes.modele.nb_genes;
    for (int g = 1; g <= nb_genes; ++g)
        vue.genes.push_back(gene_vu(f, g));
    const Pedigree& ped = f.arbre.ped;
    std::array<std::pair<int, int>, max_individus + 1> parents{};
    for (int u = 0; u < std::min(ped.nb_unions, max_unions + 1); ++u) {
        const Fratrie& fr = ped.fratrie[u];
        const int second = u == 0 ? 2 : fr.debut;
        const int premier = u == 0 ? 1 : partenaire_du_conjoint(f, second);
        for (int k = fr.debut + 1; k <= fr.debut + fr.nb_enfants && individu_valide(k); ++k)
            parents[k] = {premier, second};
    }
    for (int k = 1; k <= max_individus; ++k) {
        const Forme& s = *f.arbre.tab_shape[k];
        if (!s.visible || (k > 2 && k > ped.dernier_indiv)) continue;
        if (parents[k].first == 0 && parents[k].second != 0) continue;
        IndividuVu ind{k,
                       s.contour == Contour::carre ? SexeVu::homme : SexeVu::femme,
                       parents[k].first,
                       parents[k].second,
                       {},
                       {}};
        for (int g = 1; g <= nb_genes; ++g) {
            ind.phenotype.push_back(avant(g == 1 ? ped.pheno1[k] : ped.pheno2[k], ','));
            ind.genotype.emplace_back();
        }
        vue.individus.push_back(std::move(ind));
    }
    return vue;
}

} // namespace orvan
