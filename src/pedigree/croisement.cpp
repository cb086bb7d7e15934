// The crossing: draws a sibship from two parents and places it on the pedigree.
#include "app/fenetre_principale.h"

#include "pedigree/gametes.h"
#include "pedigree/tirage_enfant.h"

#include <algorithm>

namespace orvan {

namespace {

const Couleur jaune = rgb(255, 255, 0);
const Couleur vert_citron = rgb(0, 255, 0);

} // namespace

// A family whose first children are drawn now keeps each sex chromosome whole in the gametes;
// one rebuilt from its log draws them by the rule that the log names.
void Arbre::croise_fondateurs() {
    if (f.journal.rejeu_en_cours == 0) adopte_regle_chromosome_sexuel();
    croisement(1, 2, 3, ped.haut_gen2);
    tab_shape[1]->enabled = tab_shape[2]->enabled = false;
}

void Arbre::adopte_regle_chromosome_sexuel() {
    if (ped.regle_gametes == RegleGametes::un_chromosome_sexuel) return;
    ped.regle_gametes = RegleGametes::un_chromosome_sexuel;
    f.journal.stock_ev(ev::RegleChromosomeSexuel{});
}

void Arbre::croise_conjoint() {
    const int conjoint = ped.dernier_indiv;
    if (conjoint < 1 || conjoint > max_individus || ped.parent_union < 1) return;
    tab_shape[conjoint]->contour =
        tab_shape[ped.parent_union]->contour == Contour::cercle ? Contour::carre : Contour::cercle;
    croisement(ped.parent_union, conjoint, conjoint + 1, ped.haut_gen3);
    tab_union[0]->enabled = false;
}

void Arbre::croisement(int p1, int p2, int premier, int rang) {
    // No union slot left: nothing can be drawn without writing past the pedigree.
    if (ped.nb_unions > max_unions) return;
    const bool gen2 = rang == ped.haut_gen2;
    f.menus.autre_famille->enabled = true;

    const int n = nb_enfants(gen2, premier);
    const int ecart = gen2 ? f.width / (n + 1) : tab_shape[1]->width + 10;
    const int u = ped.nb_unions;
    ped.fratrie[u] = {premier - 1, n};
    ped.dernier_indiv = premier + n - 1;
    place_couple(u, p1, p2);
    if (gen2)
        for (int k = 3; k <= max_individus; ++k)
            tab_shape[k]->visible = tab_label[k]->visible = tab_trait[k]->visible = false;

    ped.gam_parent1 = gametes(ped.geno1[p1], ped.geno2[p1], ped.regle_gametes);
    ped.gam_parent2 = gametes(ped.geno1[p2], ped.geno2[p2], ped.regle_gametes);
    for (int rang_enfant = 1; rang_enfant <= n; ++rang_enfant) {
        const int k = premier + rang_enfant - 1;
        place_enfant(k, rang_enfant, n, ecart, rang, gen2);
        tire_enfant(k);
        etiquette_enfant(k);
    }
    place_ligne_fratrie(u, premier, n, rang);
    place_verticale(u);

    ++ped.nb_unions;
    for (int p : {p1, p2})
        tab_shape[p]->enabled = tab_label[p]->enabled = false;
    f.couleurs.recolore();
}

// The pedigree holds 40 individuals: the last sibship is shortened, never its draws.
int Arbre::nb_enfants(bool gen2, int premier) {
    const Tirage tirage = [this](std::uint32_t n) { return f.alea.tirage_alea(n); };
    const int n = nb_enfants_tire(f.phenotypes.nb_descendants->index, gen2, tirage);
    return std::max(0, std::min(n, max_individus + 1 - premier));
}

void Arbre::place_couple(int u, int p1, int p2) {
    const Forme& parent1 = *tab_shape[p1];
    const Forme& parent2 = *tab_shape[p2];
    Panel& couple = *tab_couple[u];
    couple.left = parent1.left + parent1.width;
    couple.top = parent1.top + parent1.height / 2;
    couple.width = parent2.left - parent1.left - parent2.width;
    couple.visible = true;
}

void Arbre::place_enfant(int k, int rang_enfant, int n, int ecart, int rang, bool gen2) {
    Forme& s = *tab_shape[k];
    Panel& trait = *tab_trait[k];
    if (gen2) {
        s.left = rang_enfant * ecart;
        s.remplissage = jaune;
    } else {
        s.left = tab_shape[ped.parent_union]->left + (rang_enfant - n / 2) * ecart;
        s.remplissage = vert_citron;
        s.enabled = tab_label[k]->enabled = false;
        f.menus.exercices->enabled = true;
    }
    s.top = rang;
    trait.top = rang - trait.height;
    trait.left = s.left + s.width / 2 - 2;
}

void Arbre::tire_enfant(int k) {
    const Tirage tirage = [this](std::uint32_t n) { return f.alea.tirage_alea(n); };
    const Enfant e = orvan::tire_enfant(ped.gam_parent1, ped.gam_parent2, tirage);
    tab_shape[k]->contour = e.contour;
    tab_shape[k]->visible = tab_trait[k]->visible = true;
    ped.geno1[k] = e.geno1;
    ped.geno2[k] = e.geno2;
    ecrit_bulle(k);
    ped.pheno1[k] = phenotype_du_genotype(f.genes.modele, e.geno1);
    ped.pheno2[k] = phenotype_du_genotype(f.genes.modele, e.geno2);
}

// One gene colours the symbol by the legend; two genes leave that to the recolouring.
void Arbre::etiquette_enfant(int k) {
    Forme& s = *tab_shape[k];
    Label& l = *tab_label[k];
    l.set_caption("");
    l.top = s.top + 10;
    if (f.genes.modele.nb_genes == 2) {
        l.set_caption("[" + ped.pheno1[k] + "," + ped.pheno2[k] + "]");
    } else {
        if (const Couleur* c = f.couleurs.couleur_du_phenotype(ped.pheno1[k])) s.remplissage = *c;
        l.set_caption("[" + ped.pheno1[k] + "]");
    }
    l.left = s.left + s.width / 2 - l.width / 2;
    l.visible = true;
}

void Arbre::place_ligne_fratrie(int u, int premier, int n, int rang) {
    Panel& ligne = *tab_union[u];
    const Panel& couple = *tab_couple[u];
    if (n > 0) {
        ligne.left = tab_trait[premier]->left;
        ligne.width = tab_label[premier + n - 1]->left - tab_label[premier]->left;
        ligne.top = rang - tab_trait[premier]->height;
    } else {
        ligne.left = couple.left + couple.width / 2;
        ligne.width = 0;
        ligne.top = rang - 20;
    }
    ligne.visible = true;
}

void Arbre::place_verticale(int u) {
    const Panel& couple = *tab_couple[u];
    Panel& vertic = *tab_vertic[u];
    vertic.left = couple.left + couple.width / 2;
    vertic.top = couple.top;
    vertic.height = tab_union[u]->top - couple.top;
    vertic.visible = true;
}

} // namespace orvan
