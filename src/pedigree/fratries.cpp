// Moving a sibship sideways, folding it, and leaving the genotype question mode.
#include "app/fenetre_principale.h"

namespace orvan {

void Arbre::presse_ligne_fratrie(int u, int x, int y) {
    if (ped.mode_interro_geno == 1) regen_shape();
    EtatDeplacement& e = f.panneaux_mobiles.etat;
    e.souris_x = x;
    e.souris_y = y;
    e.fratrie_deplacee = u;
    e.gauche_depart = tab_union[u]->left;
    e.en_deplacement = 1;
}

// The line may slide only while the vertical line from the parents stays strictly inside it:
// a move that would leave it is refused, not cut short.
void Arbre::deplace_groupe(Panel& ligne, int x) {
    const EtatDeplacement& e = f.panneaux_mobiles.etat;
    if (e.en_deplacement != 1 || e.fratrie_deplacee < 0 || e.fratrie_deplacee > max_unions) return;
    const int nouveau = decale_borne(ligne.left, std::int64_t{x} - e.souris_x);
    const std::int64_t v = tab_vertic[e.fratrie_deplacee]->left;
    if (nouveau < v && v < std::int64_t{nouveau} + ligne.width) ligne.left = nouveau;
}

// Written even when the line did not move: the log then holds a shift of 0.
void Arbre::relache_ligne_fratrie() {
    EtatDeplacement& e = f.panneaux_mobiles.etat;
    e.en_deplacement = 0;
    const int u = e.fratrie_deplacee;
    if (u < 0 || u > max_unions) return;
    decale_fratrie(u, static_cast<int>(std::int64_t{tab_union[u]->left} - e.gauche_depart));
}

// The first child's tick tells whether the sibship is shown. A sibship without children has
// nothing to fold: its line would otherwise grow at every click.
void Arbre::apparait_disparait_fratrie(int u) {
    if (u < 1 || u > max_unions) return;
    const Fratrie fratrie = ped.fratrie[u];
    if (fratrie.nb_enfants <= 0 || !individu_valide(fratrie.debut + 1)) return;
    const bool montre = !tab_trait[fratrie.debut + 1]->visible;
    tab_vertic[u]->height += montre ? 30 : -30;
    tab_union[u]->visible = montre;
    for (int j = fratrie.debut + 1; j <= fratrie.debut + fratrie.nb_enfants; ++j)
        if (individu_valide(j))
            tab_trait[j]->visible = tab_shape[j]->visible = tab_label[j]->visible = montre;
}

void Arbre::decale_fratrie(int u, int delta) {
    f.journal.stock_ev(ev::DecalageFratrie{u, delta});
    if (u < 0 || u > max_unions) return;
    const Fratrie fratrie = ped.fratrie[u];
    for (int j = fratrie.debut + 1; j <= fratrie.debut + fratrie.nb_enfants; ++j) {
        if (j < 1 || j > max_individus) continue;
        tab_trait[j]->left = decale_borne(tab_trait[j]->left, delta);
        tab_shape[j]->left = decale_borne(tab_shape[j]->left, delta);
        tab_label[j]->left = decale_borne(tab_label[j]->left, delta);
    }
}

void Arbre::regen_shape() {
    for (int k = 1; k <= max_individus; ++k) {
        tab_shape[k]->enabled = tab_label[k]->enabled = ped.etat_actif[k] != 0;
        tab_shape[k]->show_hint = tab_label[k]->show_hint = true;
    }
    ped.mode_interro_geno = 0;
    f.interro.dialogue.caption = InterroGenotype::titre_attente;
    // Waiting on, it would ask for a click that no longer asks anything.
    f.interro.dialogue.visible = false;
}

} // namespace orvan
