// The crossing: draws a sibship from two parents and places it on the pedigree.
#include "ground/position.h"
#include "pedigree/arbre.h"
#include "pedigree/choix_phenotypes.h"
#include "pedigree/liens_pedigree.h"

#include "regles/gametes.h"
#include "regles/tirage_enfant.h"

#include <algorithm>

namespace orvan {

namespace {

const Couleur jaune = rgb(255, 255, 0);
const Couleur vert_citron = rgb(0, 255, 0);

std::string texte_du_genotype(const Individu& i, int gene) {
    return i.genotype(gene).texte();
}

} // namespace

// A family whose first children are drawn now keeps each sex chromosome whole in the gametes;
// one rebuilt from its log draws them by the rule that the log names.
void Arbre::croise_fondateurs() {
    if (!f.journal.rejeu_en_cours) adopte_regle_chromosome_sexuel();
    croisement(1, 2, 3, ped.haut_gen2);
    active(1, false);
    active(2, false);
}

void Arbre::adopte_regle_chromosome_sexuel() {
    if (ped.regle_gametes == RegleGametes::un_chromosome_sexuel) return;
    ped.regle_gametes = RegleGametes::un_chromosome_sexuel;
    f.journal.stock_ev(ev::RegleChromosomeSexuel{});
}

void Arbre::adopte_regle_couples() {
    if (ped.couples_homme_femme) return;
    ped.couples_homme_femme = true;
    f.journal.stock_ev(ev::RegleCouples{});
}

void Arbre::croise_conjoint() {
    const int conjoint = famille.dernier_indiv();
    const int partenaire = famille.partenaire_du_conjoint();
    if (!individu_valide(conjoint) || partenaire < 1) return;
    famille.donne_sexe(conjoint, autre_sexe(famille.individu(partenaire).sexe));
    projette_individu(conjoint);
    croisement(partenaire, conjoint, conjoint + 1, ped.haut_gen3);
    tab_union[0]->enabled = false;
}

void Arbre::croisement(int p1, int p2, int premier, int rang) {
    // No union slot left: nothing can be drawn without writing past the pedigree.
    if (famille.nb_unions() > max_unions) return;
    const bool gen2 = rang == ped.haut_gen2;
    f.menus.autre_famille->enabled = true;

    const int n = nb_enfants(gen2, premier);
    const int ecart = gen2 ? f.fenetre.width / (n + 1) : tab_shape[1]->width + 10;
    const int u = famille.nb_unions();
    famille.numerote_jusqu_a(premier + n - 1);
    place_couple(u, p1, p2);
    if (gen2)
        for (int k = 3; k <= max_individus; ++k) {
            famille.montre(k, false);
            projette_individu(k);
            tab_label[k]->visible = tab_trait[k]->visible = false;
        }

    const Individu& parent1 = famille.individu(p1);
    const Individu& parent2 = famille.individu(p2);
    ped.gam_parent1 =
        gametes(texte_du_genotype(parent1, 1), texte_du_genotype(parent1, 2), ped.regle_gametes);
    ped.gam_parent2 =
        gametes(texte_du_genotype(parent2, 1), texte_du_genotype(parent2, 2), ped.regle_gametes);
    for (int rang_enfant = 1; rang_enfant <= n; ++rang_enfant) {
        const int k = premier + rang_enfant - 1;
        place_enfant(k, rang_enfant, n, ecart, rang, gen2);
        tire_enfant(k);
        etiquette_enfant(k);
    }
    place_ligne_fratrie(u, premier, n, rang);
    place_verticale(u);

    famille.ajoute_union(p1, p2, premier, n);
    for (int p : {p1, p2})
        active(p, false);
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
    couple.left = decale_borne(parent1.left, parent1.width);
    couple.top = parent1.top + parent1.height / 2;
    couple.width = parent2.left - parent1.left - parent2.width;
    couple.visible = true;
}

void Arbre::place_enfant(int k, int rang_enfant, int n, int ecart, int rang, bool gen2) {
    Position place = famille.individu(k).position;
    Forme& s = *tab_shape[k];
    Panel& trait = *tab_trait[k];
    if (gen2) {
        place.gauche = rang_enfant * ecart;
        s.remplissage = jaune;
    } else {
        const Individu& parent = famille.individu(famille.partenaire_du_conjoint());
        place.gauche =
            decale_borne(parent.position.gauche, std::int64_t{rang_enfant - n / 2} * ecart);
        s.remplissage = vert_citron;
        active(k, false);
        f.menus.exercices->enabled = true;
    }
    place.haut = rang;
    famille.deplace(k, place);
    projette_individu(k);
    trait.top = rang - trait.height;
    trait.left = decale_borne(s.left, s.width / 2 - 2);
}

void Arbre::tire_enfant(int k) {
    const Tirage tirage = [this](std::uint32_t n) { return f.alea.tirage_alea(n); };
    const Enfant e = orvan::tire_enfant(ped.gam_parent1, ped.gam_parent2, tirage);
    famille.donne_sexe(k, e.sexe);
    famille.montre(k, true);
    tab_trait[k]->visible = true;
    famille.donne_genotype(k, 1, Genotype::lu(e.geno1));
    famille.donne_genotype(k, 2, Genotype::lu(e.geno2));
    famille.donne_phenotype(k, 1, phenotype_du_genotype(f.genes.modele, e.geno1));
    famille.donne_phenotype(k, 2, phenotype_du_genotype(f.genes.modele, e.geno2));
    donne_genotype(k);
}

// One gene colours the symbol by the legend; two genes leave that to the recolouring.
void Arbre::etiquette_enfant(int k) {
    const Individu& enfant = famille.individu(k);
    Forme& s = *tab_shape[k];
    Label& l = *tab_label[k];
    l.set_caption("");
    l.top = s.top + 10;
    std::string texte;
    if (f.genes.modele.nb_genes == 2) {
        texte = "[" + enfant.phenotype(1) + "," + enfant.phenotype(2) + "]";
    } else {
        if (const Couleur* c = f.couleurs.couleur_du_phenotype(enfant.phenotype(1)))
            s.remplissage = *c;
        texte = "[" + enfant.phenotype(1) + "]";
    }
    famille.montre_phenotype(k, texte);
    l.set_caption(texte);
    l.left = decale_borne(s.left, s.width / 2 - l.width / 2);
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
        ligne.left = decale_borne(couple.left, couple.width / 2);
        ligne.width = 0;
        ligne.top = rang - 20;
    }
    ligne.visible = true;
}

void Arbre::place_verticale(int u) {
    const Panel& couple = *tab_couple[u];
    Panel& vertic = *tab_vertic[u];
    vertic.left = decale_borne(couple.left, couple.width / 2);
    vertic.top = couple.top;
    vertic.height = tab_union[u]->top - couple.top;
    vertic.visible = true;
}

} // namespace orvan
