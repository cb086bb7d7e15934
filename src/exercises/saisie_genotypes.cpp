// The genotypes that the genotype panel offers.
#include "exercises/saisie_genotypes.h"
#include "exercises/exercice_alleles.h"
#include "exercises/exercice_genotypes.h"
#include "exercises/liens_exercices.h"

#include "ground/texte.h"
#include "regles/gametes.h"

#include <algorithm>

namespace orvan {

// The genotypes of the individual's sex, in the order that saved files name them; those of the
// other sex wait for the sex choice to turn to it.
void SaisieGenotypes::offre_genotypes(int g, int n) {
    const Pedigree& ped = f.arbre.ped;
    RadioGroupe& liste = *radio_genotype[g];
    const std::string actuel = f.famille.individu(n).genotype(g).texte();
    const bool lie_au_sexe = sexe_genotype(actuel).has_value();
    const Sexe sexe = f.famille.individu(n).sexe;
    const auto allele = [g](const std::string& gamete) {
        return g == 1 ? tete(gamete) : queue(gamete, 10);
    };
    vide_liste(g);
    for (int i = 1; i <= f.modele.nb_genotypes_gene[g]; ++i) {
        CaseACocher& boite = *case_genotype[g][i];
        const std::string& genotype = f.modele.genotype_du_gene[g][i];
        boite.enabled = false;
        boite.coche(false);
        bool deja_offert = false;
        for (const std::string& a : ped.gam_parent1)
            for (const std::string& b : ped.gam_parent2) {
                const std::string candidat = allele(a) + "," + allele(b);
                if (candidat != genotype) continue;
                if (!lie_au_sexe || sexe_genotype(genotype) == sexe) {
                    boite.enabled = true;
                    if (!deja_offert) offre(g, candidat);
                    deja_offert = true;
                }
                if (genotype == actuel) {
                    boite.coche(true);
                    const auto it = std::find(liste.items.begin(), liste.items.end(), actuel);
                    if (it != liste.items.end())
                        liste.selectionne(static_cast<int>(it - liste.items.begin()));
                }
            }
    }
    suit_le_sexe[g] = lie_au_sexe;
}

void SaisieGenotypes::prepare_saisie(int n) {
    const Sexe sexe_indiv = f.famille.individu(n).sexe;
    vide_liste(1);
    vide_liste(2);
    for (int g = 1; g <= 2; ++g)
        for (int i = 1; i <= max_genotypes_gene; ++i) {
            case_genotype[g][i]->enabled = true;
            case_genotype[g][i]->coche(false);
        }
    const ModeleCaracteres& modele = f.modele;
    for (int g = 1; g <= 2; ++g)
        for (int i = 1; i <= modele.nb_genotypes_gene[g]; ++i) {
            if (!convient_au_sexe(modele.genotype_du_gene[g][i], sexe_indiv))
                case_genotype[g][i]->enabled = false;
        }
    cadre(true);
    // Those of the individual's sex, in the order saved files name them; the others wait for
    // the sex choice to turn to them.
    for (int g = 1; g <= 2; ++g) {
        suit_le_sexe[g] = false;
        for (int i = 1; i <= modele.nb_genotypes_gene[g]; ++i) {
            const std::string& genotype = modele.genotype_du_gene[g][i];
            if (sexe_genotype(genotype)) suit_le_sexe[g] = true;
            if (case_genotype[g][i]->enabled) offre(g, genotype);
        }
    }
    // A spouse is of the partner's other sex: the crossing makes it so.
    this->sexe->index = sexe_indiv == Sexe::homme ? 0 : 1;
    this->sexe->enabled = n <= 2 && f.famille.sexe_modifiable(n);
    accorde_au_sexe();
}

namespace {

// The genotypes of gene g that the panel can offer either sex: for a change, those the
// founders' gametes make; for an entry, every genotype of the gene.
std::vector<std::string> genotypes_possibles(const LiensExercices& f, int g) {
    const Pedigree& ped = f.arbre.ped;
    const auto allele = [g](const std::string& gamete) {
        return g == 1 ? tete(gamete) : queue(gamete, 10);
    };
    std::vector<std::string> possibles;
    for (int i = 1; i <= f.modele.nb_genotypes_gene[g]; ++i) {
        const std::string& genotype = f.modele.genotype_du_gene[g][i];
        bool fait = !ped.changement_genotype;
        for (const std::string& a : ped.gam_parent1)
            for (const std::string& b : ped.gam_parent2)
                fait = fait || allele(a) + "," + allele(b) == genotype;
        if (fait) possibles.push_back(genotype);
    }
    return possibles;
}

// "Y,XD" says what "XD,Y" says: the list shows the first, and the second keeps its place, which
// saved files name.
void cache_les_doubles(RadioGroupe& liste) {
    const auto alleles = [](const std::string& genotype) {
        std::string a = avant(genotype, ','), b = genotype;
        supprime_jusqua(b, ',');
        return a < b ? std::pair{a, b} : std::pair{b, a};
    };
    liste.caches.assign(liste.items.size(), false);
    for (std::size_t i = 0; i < liste.items.size(); ++i)
        for (std::size_t j = 0; j < i && !liste.caches[i]; ++j)
            liste.caches[i] = alleles(liste.items[j]) == alleles(liste.items[i]);
}

} // namespace

// Only the genotypes of the sex chosen can be confirmed. Those of the other sex join the list
// after the ones it had, which keep their places: saved files name the items by their place.
void SaisieGenotypes::accorde_au_sexe() {
    const int n = individu_entre();
    if (!individu_valide(n)) return;
    const Sexe sexe = f.famille.individu(n).sexe;
    for (int g = 1; g <= 2; ++g) {
        RadioGroupe& liste = *radio_genotype[g];
        for (const std::string& autre : genotypes_possibles(f, g))
            if (convient_au_sexe(autre, sexe) &&
                std::find(liste.items.begin(), liste.items.end(), autre) == liste.items.end())
                offre(g, autre);
        liste.inactifs.assign(liste.items.size(), false);
        cache_les_doubles(liste);
        if (!suit_le_sexe[g]) continue;
        for (std::size_t i = 0; i < liste.items.size(); ++i)
            liste.inactifs[i] = !convient_au_sexe(liste.items[i], sexe);
    }
    regle_ok();
}

void SaisieGenotypes::vide_liste(int g) {
    radio_genotype[g]->vide();
    offerts_[g].clear();
}

void SaisieGenotypes::offre(int g, const std::string& genotype) {
    radio_genotype[g]->items.push_back(genotype);
    offerts_[g].push_back(Genotype::lu(coupe(genotype, 40)));
}

const Genotype* SaisieGenotypes::genotype_choisi(int g) const {
    const int i = radio_genotype[g]->index;
    if (i < 0 || i >= static_cast<int>(offerts_[g].size())) return nullptr;
    return &offerts_[g][static_cast<std::size_t>(i)];
}

int SaisieGenotypes::individu_entre() const {
    const Pedigree& ped = f.arbre.ped;
    return ped.changement_genotype ? ped.indiv_saisi : ped.indiv_courant;
}

void SaisieGenotypes::vide_genotypes(ModeleCaracteres& modele) {
    for (int g = 1; g <= 2; ++g) {
        for (int i = 1; i <= max_genotypes_gene; ++i) {
            modele.genotype_du_gene[g][i].clear();
            case_genotype[g][i]->caption.clear();
        }
        vide_liste(g);
    }
}

void SaisieGenotypes::retire_premiers_items(int nb_genes) {
    for (int g = 1; g <= nb_genes; ++g) {
        auto& items = radio_genotype[g]->items;
        if (!items.empty()) items.erase(items.begin());
        if (!offerts_[g].empty()) offerts_[g].erase(offerts_[g].begin());
    }
}

void SaisieGenotypes::range_cases(ModeleCaracteres& modele) {
    for (int g = 1; g <= 2; ++g) {
        auto& genotypes = modele.genotype_du_gene[g];
        const int n = modele.nb_genotypes_gene[g];
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j)
                if (genotypes[j] == genotypes[i]) genotypes[j].clear();
        for (int i = 1; i <= n; ++i)
            for (int j = i; j <= n - 1; ++j)
                if (genotypes[j].empty() && !genotypes[j + 1].empty()) {
                    genotypes[j] = genotypes[j + 1];
                    genotypes[j + 1].clear();
                }
        int restants = 0;
        for (int i = 1; i <= max_genotypes_gene; ++i) {
            CaseACocher& boite = *case_genotype[g][i];
            boite.caption = genotypes[i];
            boite.visible = !genotypes[i].empty();
            if (boite.visible) ++restants;
        }
        modele.nb_genotypes_gene[g] = restants;
    }
}

} // namespace orvan
