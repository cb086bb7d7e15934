// Reset of the pedigree, label placement, and adding or removing a spouse.
#include "ground/position.h"
#include "pedigree/arbre.h"
#include "pedigree/choix_phenotypes.h"
#include "pedigree/liens_pedigree.h"

namespace orvan {

void Arbre::change_mode_saisie(ModeSaisie mode) {
    ped.mode_saisie = mode;
    f.menus.coche_mode_saisie(mode);
}

void Arbre::init_pedigree() {
    famille.vide();
    place_fondateurs();
    vide_individus();
    ped.indiv_courant = 0;
    // A replay starts from here: a panel left open before it would swallow the replayed clicks.
    ped.choix_en_cours = 0;
    ped.changement_genotype = false;
    ped.indiv_saisi = 0;
    f.phenotypes.panneau->visible = f.genotypes.panneau->visible = false;
    f.genes.modele.vide_table_genotypes();
    ped.gam_parent1 = {};
    ped.gam_parent2 = {};
    ped.decalages_fratries = {};
    vide_unions();
}

// A replay must not depend on what was on screen before it: founder 1 and the sex kept for a
// cancel are given back as the window's creation made them.
void Arbre::place_fondateurs() {
    ped.gauche_fondateur1 = f.fenetre.width / 2 - 60;
    ped.demi_ecart = 60;
    ped.haut_gen1 = 50;
    ped.haut_gen2 = 150;
    ped.haut_gen3 = 250;
    famille.place_fondateurs(
        {ped.gauche_fondateur1, ped.haut_gen1},
        {f.fenetre.width / 2 + ped.demi_ecart - tab_shape[2]->width, ped.haut_gen1});
    ped.sexe_a_l_ouverture = Sexe::homme;
}

void Arbre::vide_individus() {
    for (int k = 1; k <= max_individus; ++k) {
        famille.active(k, true);
        tab_label[k]->set_caption("");
        if (k > 2) tab_label[k]->visible = false;
        tab_trait[k]->visible = false;
        projette_individu(k);
        tab_shape[k]->enabled = tab_label[k]->enabled = true;
    }
    for (int k = 1; k <= 2; ++k)
        place_label(k, "");
}

void Arbre::vide_unions() {
    for (int u = 0; u <= max_unions; ++u)
        tab_union[u]->visible = tab_couple[u]->visible = tab_vertic[u]->visible = false;
    // A new family's generation-2 line can be dragged again.
    tab_union[0]->enabled = true;
    f.panneaux_mobiles.etat.fratrie_deplacee = 0;
    f.panneaux_mobiles.etat.gauche_depart = 0;
}

void Arbre::projette_individu(int k) {
    const Individu& i = famille.individu(k);
    Forme& s = *tab_shape[k];
    Label& l = *tab_label[k];
    s.contour = i.sexe == Sexe::homme ? Contour::carre : Contour::cercle;
    s.left = i.position.gauche;
    s.top = i.position.haut;
    s.visible = i.visible;
    s.hint = i.bulle();
    l.hint = i.bulle_etiquette;
    if (l.caption != i.phenotype_affiche) l.set_caption(i.phenotype_affiche);
}

void Arbre::active(int k, bool actif) {
    famille.active(k, actif);
    tab_shape[k]->enabled = tab_label[k]->enabled = actif;
}

void Arbre::place_label(int k, const std::string& texte) {
    famille.montre_phenotype(k, texte);
    tab_label[k]->set_caption(texte);
    projette_individu(k);
    Label& l = *tab_label[k];
    const Forme& s = *tab_shape[k];
    l.top = s.top + 10;
    l.left = decale_borne(s.left, s.width / 2 - l.width / 2);
}

void Arbre::ajout_conjoint(int p) {
    const Position& partenaire = famille.individu(p).position;
    const int k =
        famille.ajoute_conjoint(p, {decale_borne(partenaire.gauche, 40), partenaire.haut});
    ped.indiv_courant = k;
    if (k) projette_individu(k);
}

void Arbre::retrait_dernier() {
    const int k = famille.dernier_indiv();
    if (individu_valide(k)) {
        famille.montre(k, false);
        projette_individu(k);
        tab_label[k]->visible = false;
    }
    famille.numerote_jusqu_a(k - 1);
}

void Arbre::clic_individu(int k, Bouton bouton) {
    if (clic) clic(k, bouton);
}

void Arbre::montre_fondateurs() {
    for (int k = 1; k <= 2; ++k) {
        famille.montre(k, true);
        projette_individu(k);
        active(k, true);
        tab_label[k]->visible = true;
    }
}

void Arbre::cache_fondateurs() {
    for (int k = 1; k <= 2; ++k) {
        famille.montre(k, false);
        projette_individu(k);
        tab_label[k]->visible = false;
    }
}

void Arbre::remet_couleurs(Couleur c) {
    for (int k = 1; k <= max_individus; ++k) {
        tab_shape[k]->remplissage = c;
        tab_label[k]->fond = c;
    }
}

void Arbre::donne_genotype(int k) {
    famille.marque_genotype_donne(k);
    projette_individu(k);
}

} // namespace orvan
