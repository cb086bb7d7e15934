// Listing the genes of the bank and choosing one or two of them.
#include "genebank/choix_genes.h"
#include "genebank/vues_des_genes.h"
#include "ground/generateur.h"
#include "ground/messages.h"
#include "ground/plateforme.h"
#include "history/journal.h"
#include "panneaux/panneau_couleurs.h"
#include "ui/fiche.h"
#include "ui/textes_controles.h"

#include "ground/texte.h"
#include "regles/banque_integree.h"
#include "regles/decoupage.h"
#include "ui/boutons.h"
#include "ui/geometrie.h"

namespace orvan {

void ChoixGenes::cree_controles() {
    panneau = &place(f.fenetre.cree<Groupe>(nullptr, "group_choix"), 0, 110, 370, 120);
    ecrit(*panneau, msg::choix_des_genes, f.textes.langue());
    panneau->visible = false;
    premier_gene = &place(f.fenetre.cree<RadioGroupe>(panneau, "Group_prem"), 8, 20, 175, 60);
    ecrit(*premier_gene, msg::premier_gene, f.textes.langue());
    second_gene = &place(f.fenetre.cree<RadioGroupe>(panneau, "Group_sec"), 188, 20, 175, 60);
    ecrit(*second_gene, msg::deuxieme_gene, f.textes.langue());
    ok = &cree_bouton(f.fenetre, panneau, "BitBtn1", msg::ok, {8, 85, 75}, Glyphe::ok);
    annuler =
        &cree_bouton(f.fenetre, panneau, "BitBtn2", msg::annuler, {88, 85, 75}, Glyphe::annuler);
    banque = &place(f.fenetre.cree<Memo>(nullptr, "banque_genes"), 0, 0, 100, 50);
    banque->visible = false;
    banque->lignes = banque_integree();

    premier_gene->on_click = [this] { clic_premier_gene(); };
    second_gene->on_click = [this] { clic_second_gene(); };
    ok->on_click = [this] { confirme_genes(); };
    annuler->on_click = [this] { annule(); };
}

void ChoixGenes::extrait_maladies() {
    modele.nb_maladies = 0;
    premier_gene->vide();
    second_gene->vide();
    f.vues.vide_listes_phenotypes();
    ok->enabled = false;
    const auto& lignes = banque->lignes;
    for (std::size_t i = 1; i < lignes.size(); ++i) {
        // The name table holds 20 genes; later headers are not listed.
        if (!contient(lignes[i], "{") || modele.nb_maladies >= max_maladies) continue;
        ++modele.nb_maladies;
        const std::string nom = nom_gene(lignes[i]);
        modele.nom_maladie[modele.nb_maladies] = nom;
        const Texte affiche = msg::texte_de_la_banque(nom);
        for (RadioGroupe* liste : {premier_gene, second_gene}) {
            liste->items.push_back(f.textes(affiche));
            liste->textes_items.push_back(affiche);
        }
    }
    const int h = f.vues.mesure_hauteur().height;
    premier_gene->height = fois_un_et_demi(modele.nb_maladies * h);
    second_gene->height = premier_gene->height;
    ok->top = premier_gene->bottom() + 5;
    annuler->top = ok->top;
    panneau->height = ok->bottom() + 5;
}

void ChoixGenes::prepare_choix(int nb_genes) {
    second_gene->enabled = nb_genes == 2;
    // For one gene the box ends after the first list: the second, cut by its edge, would
    // leave a broken frame standing there.
    second_gene->visible = nb_genes == 2;
    premier_gene->enabled = true;
    dimension_choix(nb_genes);
    modele.nb_genes = nb_genes;
}

bool ChoixGenes::choix_complet() const {
    return modele.nb_genes == 2 ? premier_gene->index >= 0 && second_gene->index >= 0
                                : premier_gene->index >= 0;
}

// A click in one gene list; the other list must not hold the same gene in two-gene mode.
void ChoixGenes::clic_liste(RadioGroupe& liste, const RadioGroupe& autre, int numero_liste) {
    if (modele.nb_genes == 2 && autre.index >= 0 && autre.index == liste.index) {
        f.plateforme.avertissement(msg::genes_semblables);
        liste.selectionne(-1);
    }
    ok->enabled = choix_complet();
    f.journal.stock_ev(ev::ChoixGene{numero_liste, liste.index});
}

void ChoixGenes::clic_premier_gene() {
    clic_liste(*premier_gene, *second_gene, 1);
}

void ChoixGenes::clic_second_gene() {
    clic_liste(*second_gene, *premier_gene, 2);
}

void ChoixGenes::annule() {
    panneau->visible = false;
    f.vues.reprend_demarrage();
}

void ChoixGenes::dimension_choix(int type) {
    panneau->width = (type == 1 ? premier_gene->right() : second_gene->right()) + 7;
    panneau->left = f.fenetre.width / 2 - panneau->width / 2;
}

} // namespace orvan
