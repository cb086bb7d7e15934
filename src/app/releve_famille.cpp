#include "app/releve_famille.h"

#include "app/famille_vue_fenetre.h"
#include "app/fenetre_principale.h"
#include "probabilites/textes_probabilites.h"
#include "ui/numerotation.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace orvan {

namespace {

std::string sans_crochets(const std::string& p) {
    return p.size() >= 2 && p.front() == '[' ? p.substr(1, p.size() - 2) : p;
}

// Each gene's entries of the genotype table, which follows the bank's order of the genes.
std::vector<GeneReleve> genes_du_modele(const ModeleCaracteres& m) {
    std::vector<GeneReleve> genes;
    for (int g = 1; g <= m.nb_genes; ++g) {
        const auto i = static_cast<std::size_t>(g);
        GeneReleve gene;
        gene.nom = m.nom_gene[i];
        const int debut = m.premiere_entree[i];
        const int fin = std::min(debut + m.nb_entrees_table[i], m.nb_genotypes + 1);
        for (int k = debut; k < fin; ++k) {
            const auto e = static_cast<std::size_t>(k);
            const std::string phenotype = sans_crochets(m.phenotype_du_genotype[e]);
            gene.table.push_back({m.genotype_texte[e], phenotype});
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
    FamilleReleve r{source, graine, genes_du_modele(f.genes.modele), {}, f.arbre.ped.regle_gametes};
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

void ajoute_probabilites_porteur(FamilleReleve& r, const FenetrePrincipale& f,
                                 LoiEnfantProgramme& lois) {
    const FamilleVue vue = famille_vue(f);
    if (vue.individus.empty()) return;
    std::optional<MoteurProbabilites> moteur;
    try {
        moteur.emplace(vue, ReglagesProbabilites{APriori::programme, {}}, lois);
    } catch (const std::invalid_argument&) {
        return; // a union without its two parents shown: nothing is computed
    }
    const ResultatProbabilites resultat = moteur->calcule();
    // A family that contradicts itself shows no probability.
    if (resultat.contradiction) return;
    for (const ProbabilitesIndividu& p : resultat.individus) {
        const auto i = std::find_if(r.individus.begin(), r.individus.end(),
                                    [&p](const IndividuReleve& i) { return i.numero == p.numero; });
        if (i == r.individus.end()) continue;
        for (std::size_t g = 0; g < p.genes.size() && g < i->porteur.size(); ++g) {
            const EspaceGene& espace = moteur->espace(static_cast<int>(g));
            const Rationnel q = probabilite_porteur(espace, p.genes[g]);
            const auto cache = espace.etat(i->genotypes[g]);
            i->porteur[g] =
                ProbabiliteAffichee{fraction(q), en_double(q), cache && espace.porteur(*cache)};
        }
    }
}

} // namespace orvan
