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

namespace {

// The numbers the picture gives: every individual shown, by its row and its place.
std::vector<NumeroIndividu> numeros_affiches(const FenetrePrincipale& f) {
    const Pedigree& ped = f.arbre.ped;
    std::vector<PlaceIndividu> places;
    for (int k = 1; k <= max_individus; ++k) {
        const Individu& i = f.famille.individu(k);
        if (i.visible) places.push_back({k, i.position.gauche, i.position.haut});
    }
    return numerote(places, {ped.haut_gen1, ped.haut_gen2, ped.haut_gen3});
}

IndividuReleve releve_individu(const Famille& famille, int k, std::size_t nb_genes) {
    const Individu& individu = famille.individu(k);
    IndividuReleve i;
    i.numero = k;
    i.sexe = individu.sexe;
    if (const auto p = famille.parents(k)) {
        i.premier_parent = p->premier;
        i.second_parent = p->second;
    }
    for (std::size_t g = 1; g <= nb_genes; ++g) {
        const int gene = static_cast<int>(g);
        i.phenotypes.push_back(nom_du_phenotype(individu.phenotype(gene)));
        i.genotypes.push_back(individu.genotype(gene).texte());
        i.genotype_saisi.push_back(individu.genotype_saisi);
        i.porteur.push_back(std::nullopt);
    }
    return i;
}

} // namespace

FamilleReleve releve_famille(const FenetrePrincipale& f, const std::string& source,
                             std::int32_t graine) {
    FamilleReleve r{source, graine, genes_du_modele(f), {}};
    for (const NumeroIndividu& n : numeros_affiches(f)) {
        // A founder or a spouse whose phenotype is not chosen yet carries nothing to count.
        if (!f.famille.individu(n.k).genotype_donne) continue;
        IndividuReleve i = releve_individu(f.famille, n.k, r.genes.size());
        i.numero_generation = numero_texte(n);
        r.individus.push_back(std::move(i));
    }
    std::sort(r.individus.begin(), r.individus.end(),
              [](const auto& a, const auto& b) { return a.numero < b.numero; });
    return r;
}

} // namespace orvan
