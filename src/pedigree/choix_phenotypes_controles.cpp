// The phenotype panel's controls and their layout once the genes are known.
#include "ground/messages.h"
#include "pedigree/arbre.h"
#include "pedigree/choix_phenotypes.h"
#include "pedigree/liens_pedigree.h"
#include "ui/boutons.h"
#include "ui/geometrie.h"
#include "ui/textes_controles.h"

namespace orvan {

void ChoixPhenotypes::cree_controles() {
    panneau = &place(f.fenetre.cree<Groupe>(nullptr, "choix_alleles"), 0, 0, 330, 150);
    panneau->caption = "Choix des phénotypes";
    panneau->tag = 3;
    panneau->visible = false;
    panneau->curseur = Curseur::deplacement;
    premier_phenotype = &place(f.fenetre.cree<RadioGroupe>(panneau, "prem_allele"), 8, 18, 150, 40);
    ecrit(*premier_phenotype, msg::premier_phenotype, f.textes.langue());
    premier_phenotype->tag = 1;
    second_phenotype = &place(f.fenetre.cree<RadioGroupe>(panneau, "sec_allele"), 166, 18, 150, 40);
    ecrit(*second_phenotype, msg::deuxieme_phenotype, f.textes.langue());
    groupe_nb_descendants =
        &place(f.fenetre.cree<Groupe>(panneau, "group_nb_desc"), 8, 63, 150, 48);
    groupe_nb_descendants->caption = "Nb descendants";
    groupe_nb_descendants->tag = 4;
    nb_descendants =
        &place(f.fenetre.cree<Combo>(groupe_nb_descendants, "choix_nb_desc"), 8, 18, 100, 22);
    nb_descendants->tag = 1;
    nb_descendants->items = {"hasard", "2", "3", "4", "5", "6"};
    nb_descendants->index = 0;
    ok = &cree_bouton(f.fenetre, panneau, "all_OK", msg::ok, {8, 116, 70}, Glyphe::ok);
    annuler =
        &cree_bouton(f.fenetre, panneau, "all_annul", "Annuler", {81, 116, 77}, Glyphe::annuler);
    annuler->tag = 1;

    premier_phenotype->on_click = [this] { clic_premier_phenotype(); };
    second_phenotype->on_click = [this] { clic_second_phenotype(); };
    nb_descendants->on_change = [this] { change_nb_descendants(); };
    ok->on_click = [this] { confirme(); };
    annuler->on_click = [this] { annule(true); };
}

void ChoixPhenotypes::vide_listes() {
    premier_phenotype->vide();
    second_phenotype->vide();
}

void ChoixPhenotypes::nomme_genes(const Texte& nom1, const Texte& nom2, bool deux) {
    ecrit(*premier_phenotype, nom1, f.textes.langue());
    if (deux) ecrit(*second_phenotype, nom2, f.textes.langue());
}

// The number box and the buttons stand under the shorter list.
void ChoixPhenotypes::mise_en_page(const ModeleCaracteres& modele) {
    const bool deux = modele.nb_genes == 2;
    ok->top = premier_phenotype->bottom() + 5;
    annuler->top = ok->top;
    panneau->height = ok->bottom() + 5;
    second_phenotype->visible = deux;
    RadioGroupe* liste = premier_phenotype;
    if (deux) {
        panneau->width = second_phenotype->right() + 7;
        if (second_phenotype->height <= premier_phenotype->height) liste = second_phenotype;
    } else {
        panneau->width = premier_phenotype->right() + 7;
    }
    groupe_nb_descendants->top = liste->bottom() + 5;
    groupe_nb_descendants->left = liste->left;
    ok->top = groupe_nb_descendants->bottom() + 5;
    ok->left = liste->left;
    annuler->left = ok->right() + 3;
    annuler->top = ok->top;
    panneau->height = liste->bottom() + 5 + groupe_nb_descendants->height + 5 + ok->height + 5;
}

} // namespace orvan
