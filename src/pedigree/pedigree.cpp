// Reset of the pedigree, label placement, and adding or removing a spouse.
#include "app/fenetre_principale.h"

namespace orvan {

void Arbre::init_pedigree() {
    place_fondateurs();
    vide_individus();
    ped.indiv_courant = 0;
    // A replay starts from here: a panel left open before it would swallow the replayed clicks.
    ped.choix_en_cours = 0;
    ped.changement_genotype = 0;
    ped.indiv_saisi = 0;
    f.phenotypes.panneau->visible = f.genotypes.panneau->visible = false;
    f.genes.modele.vide_table_genotypes();
    ped.gam_parent1 = {};
    ped.gam_parent2 = {};
    ped.dernier_indiv = 0;
    ped.parent_union = 0;
    vide_unions();
}

void Arbre::place_fondateurs() {
    ped.gauche_fondateur1 = f.width / 2 - 60;
    ped.demi_ecart = 60;
    ped.haut_gen1 = 50;
    ped.haut_gen2 = 150;
    ped.haut_gen3 = 250;
    tab_shape[1]->left = ped.gauche_fondateur1;
    tab_shape[1]->top = ped.haut_gen1;
    tab_shape[2]->left = f.width / 2 + ped.demi_ecart - tab_shape[2]->width;
    tab_shape[2]->top = ped.haut_gen1;
    tab_shape[2]->contour = Contour::cercle;
    tab_shape[1]->visible = tab_shape[2]->visible = true;
    // A replay must not depend on what was on screen before it: founder 1 and the outline kept
    // for a cancel are given back as the window's creation made them.
    tab_shape[1]->contour = Contour::carre;
    tab_shape[41]->contour = Contour::carre;
}

void Arbre::vide_individus() {
    for (int k = 1; k <= max_individus; ++k) {
        ped.geno1[k].clear();
        ped.geno2[k].clear();
        ped.pheno1[k].clear();
        ped.pheno2[k].clear();
        tab_label[k]->set_caption("");
        if (k > 2) tab_label[k]->visible = tab_shape[k]->visible = false;
        tab_shape[k]->hint.clear();
        tab_label[k]->hint.clear();
        tab_trait[k]->visible = false;
    }
    for (int k = 1; k <= max_individus; ++k)
        tab_shape[k]->enabled = tab_label[k]->enabled = true;
    for (int k = 1; k <= 2; ++k)
        place_label(k, "");
}

void Arbre::vide_unions() {
    ped.nb_unions = 0;
    for (int u = 0; u <= max_unions; ++u) {
        ped.fratrie[u] = {};
        tab_union[u]->visible = tab_couple[u]->visible = tab_vertic[u]->visible = false;
    }
    // A new family's generation-2 line can be dragged again.
    tab_union[0]->enabled = true;
    f.panneaux_mobiles.etat.fratrie_deplacee = 0;
    f.panneaux_mobiles.etat.gauche_depart = 0;
}

void Arbre::place_label(int k, const std::string& texte) {
    Label& l = *tab_label[k];
    const Forme& s = *tab_shape[k];
    l.set_caption(texte);
    l.top = s.top + 10;
    l.left = s.left + s.width / 2 - l.width / 2;
}

void Arbre::ajout_conjoint(int p) {
    ped.parent_union = p;
    ++ped.dernier_indiv;
    ped.indiv_courant = ped.dernier_indiv;
    Forme& conjoint = *tab_shape[ped.dernier_indiv];
    conjoint.left = tab_shape[p]->left + 40;
    conjoint.top = tab_shape[p]->top;
    conjoint.visible = true;
    conjoint.contour = tab_shape[p]->contour == Contour::carre ? Contour::cercle : Contour::carre;
}

void Arbre::retrait_dernier() {
    if (ped.dernier_indiv >= 1 && ped.dernier_indiv <= max_individus) {
        tab_shape[ped.dernier_indiv]->visible = false;
        tab_label[ped.dernier_indiv]->visible = false;
    }
    --ped.dernier_indiv;
}

void Arbre::clic_individu(int k, Bouton bouton) {
    // The founders wait for the teacher's choice of mode and genes, whose panels lie over them.
    if (f.coquille.panneau_mode->visible || f.genes.panneau->visible) return;
    f.phenotypes.choix_all(k, bouton);
    if (k <= 2) f.depart.lance_disparition();
}

void Arbre::montre_fondateurs() {
    for (int k = 1; k <= 2; ++k) {
        tab_shape[k]->enabled = tab_shape[k]->visible = true;
        tab_label[k]->enabled = tab_label[k]->visible = true;
    }
}

void Arbre::cache_fondateurs() {
    for (int k = 1; k <= 2; ++k)
        tab_shape[k]->visible = tab_label[k]->visible = false;
}

void Arbre::remet_couleurs(Couleur c) {
    for (int k = 1; k <= max_individus; ++k) {
        tab_shape[k]->remplissage = c;
        tab_label[k]->fond = c;
    }
}

void Arbre::ecrit_bulle(int k) {
    tab_shape[k]->hint = tab_label[k]->hint = ped.geno1[k] + "//" + ped.geno2[k];
}

} // namespace orvan
