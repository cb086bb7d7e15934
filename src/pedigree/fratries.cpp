// Moving a sibship sideways, folding it, and leaving the genotype question mode.
#include "ground/position.h"
#include "pedigree/arbre.h"
#include "pedigree/choix_phenotypes.h"
#include "pedigree/liens_pedigree.h"

namespace orvan {

void Arbre::presse_ligne_fratrie(int u, int x, int y) {
    finit_les_questions();
    EtatDeplacement& e = f.panneaux_mobiles.etat;
    e.souris_x = x;
    e.souris_y = y;
    e.fratrie_deplacee = u;
    e.gauche_depart = tab_union[u]->left;
    e.en_deplacement = true;
}

// The line may slide only while the vertical line from the parents stays strictly inside it:
// a move that would leave it is refused, not cut short.
void Arbre::deplace_groupe(Panel& ligne, int x) {
    const EtatDeplacement& e = f.panneaux_mobiles.etat;
    if (!e.en_deplacement || e.fratrie_deplacee < 0 || e.fratrie_deplacee > max_unions) return;
    const int nouveau = decale_borne(ligne.left, std::int64_t{x} - e.souris_x);
    const std::int64_t v = tab_vertic[e.fratrie_deplacee]->left;
    if (nouveau < v && v < std::int64_t{nouveau} + ligne.width) ligne.left = nouveau;
}

// Written even when the line did not move: the log then holds a shift of 0.
void Arbre::relache_ligne_fratrie() {
    EtatDeplacement& e = f.panneaux_mobiles.etat;
    e.en_deplacement = false;
    const int u = e.fratrie_deplacee;
    if (u < 0 || u > max_unions) return;
    decale_fratrie(u, static_cast<int>(std::int64_t{tab_union[u]->left} - e.gauche_depart));
}

// The first child tells whether the sibship is shown. A sibship without children has nothing
// to fold: its line would otherwise grow at every click.
void Arbre::apparait_disparait_fratrie(int u) {
    if (u < 1 || u > max_unions) return;
    const Union& un = famille.union_numero(u);
    if (un.nb_enfants <= 0 || !individu_valide(un.premier_enfant)) return;
    const bool montre = !famille.individu(un.premier_enfant).visible;
    tab_vertic[u]->height += montre ? 30 : -30;
    tab_union[u]->visible = montre;
    for (int j = un.premier_enfant; j < un.premier_enfant + un.nb_enfants; ++j)
        if (individu_valide(j)) {
            famille.montre(j, montre);
            projette_individu(j);
            tab_trait[j]->visible = tab_label[j]->visible = montre;
        }
}

void Arbre::decale_fratrie(int u, int delta) {
    f.journal.stock_ev(ev::DecalageFratrie{u, delta});
    if (u < 0 || u > max_unions) return;
    std::int32_t& total = ped.decalages_fratries[static_cast<std::size_t>(u)];
    total = decale_borne(total, delta);
    const Union& un = famille.union_numero(u);
    for (int j = un.premier_enfant; j < un.premier_enfant + un.nb_enfants; ++j) {
        if (!individu_valide(j)) continue;
        Position p = famille.individu(j).position;
        tab_trait[j]->left = decale_borne(tab_trait[j]->left, delta);
        p.gauche = decale_borne(p.gauche, delta);
        famille.deplace(j, p);
        // Only the position changed: a long log of shifts need not rebuild the tooltips.
        tab_shape[j]->left = p.gauche;
        tab_label[j]->left = decale_borne(tab_label[j]->left, delta);
    }
}

void Arbre::finit_les_questions() {
    if (ped.mode_interro_geno) regen_shape();
}

void Arbre::regen_shape() {
    for (int k = 1; k <= max_individus; ++k) {
        active(k, ped.etat_actif[k]);
        tab_shape[k]->show_hint = tab_label[k]->show_hint = true;
    }
    ped.mode_interro_geno = false;
    if (fin_des_questions) fin_des_questions();
}

} // namespace orvan
