#include "app/releve_famille.h"

#include "app/fenetre_principale.h"
#include "ui/numerotation.h"

#include <algorithm>

namespace orvan {

namespace {

std::string sans_crochets(const std::string& p) {
    return p.size() >= 2 && p.front() == '[' ? p.substr(1, p.size() - 2) : p;
}

std::vector<GeneReleve> genes_du_modele(const FenetrePrincipale& f) {
    const ModeleCaracteres& m = f.genes.modele;
    std::vector<GeneReleve> genes;
    int entree = 1;
    for (int g = 1; g <= m.nb_genes; ++g) {
        GeneReleve gene;
        gene.nom =
            g == 1 ? f.genes.premier_gene->texte_choisi() : f.genes.second_gene->texte_choisi();
        for (int i = 0; i < m.nb_entrees_table[g] && entree <= m.nb_genotypes; ++i, ++entree) {
            const std::string phenotype = sans_crochets(m.phenotype_du_genotype[entree]);
            gene.table.push_back({m.genotype_texte[entree], phenotype});
            if (std::find(gene.phenotypes.begin(), gene.phenotypes.end(), phenotype) ==
                gene.phenotypes.end())
                gene.phenotypes.push_back(phenotype);
        }
        genes.push_back(std::move(gene));
    }
    return genes;
}

// The name before the first ",": a founder's phenotype is the panel's item ("D,").
std::string nom_du_phenotype(const std::string& p) {
    return p.substr(0, p.find(','));
}

} // namespace

FamilleReleve releve_famille(const FenetrePrincipale& f, const std::string& source,
                             std::int32_t graine) {
    FamilleReleve r{source, graine, genes_du_modele(f), {}};
    const Pedigree& ped = f.arbre.ped;
    std::vector<PlaceIndividu> places;
    for (int k = 1; k <= max_individus; ++k) {
        const Forme& s = *f.arbre.tab_shape[k];
        if (s.visible && !s.hint.empty()) places.push_back({k, s.left, s.top});
    }
    const auto numeros = numerote(places, {ped.haut_gen1, ped.haut_gen2, ped.haut_gen3});
    for (std::size_t n = 0; n < places.size(); ++n) {
        const int k = places[n].k;
        IndividuReleve i;
        i.numero = k;
        i.numero_generation = numero_texte(numeros[n]);
        i.sexe = f.arbre.tab_shape[k]->contour == Contour::carre ? Sexe::homme : Sexe::femme;
        for (int u = 0; u < std::min(ped.nb_unions, max_unions + 1); ++u) {
            const Fratrie& fr = ped.fratrie[u];
            if (k <= fr.debut || k > fr.debut + fr.nb_enfants) continue;
            i.second_parent = fr.debut;
            i.premier_parent = u == 0 ? 1 : 0;
            for (int p = 3; u > 0 && p < fr.debut; ++p)
                if (f.arbre.tab_shape[p]->left + 40 == f.arbre.tab_shape[fr.debut]->left &&
                    f.arbre.tab_shape[p]->top == f.arbre.tab_shape[fr.debut]->top)
                    i.premier_parent = p;
        }
        const std::string* genos[] = {&ped.geno1[k], &ped.geno2[k]};
        const std::string* phenos[] = {&ped.pheno1[k], &ped.pheno2[k]};
        for (std::size_t g = 0; g < r.genes.size(); ++g) {
            i.phenotypes.push_back(nom_du_phenotype(*phenos[g]));
            i.genotypes.push_back(*genos[g]);
            i.genotype_saisi.push_back(false);
            i.porteur.push_back(std::nullopt);
        }
        r.individus.push_back(std::move(i));
    }
    return r;
}

} // namespace orvan
