// The genotype panel's controls and its layout once the genes are known.
#include "exercises/exercice_alleles.h"
#include "exercises/exercice_genotypes.h"
#include "exercises/liens_exercices.h"
#include "exercises/saisie_genotypes.h"
#include "ground/messages.h"
#include "ui/boutons.h"
#include "ui/geometrie.h"
#include "ui/textes_controles.h"

namespace orvan {

void SaisieGenotypes::cree_controles() {
    panneau = &place(f.fenetre.cree<Groupe>(nullptr, "Group_choix_geno"), 0, 0, 284, 200);
    ecrit(*panneau, msg::choix_des_genotypes, f.textes.langue());
    panneau->visible = false;
    panneau->curseur = Curseur::deplacement;
    for (int g = 1; g <= 2; ++g) {
        Groupe& boite = f.fenetre.cree<Groupe>(panneau, g == 1 ? "GroupBox2" : "GroupBox3");
        place(boite, g == 1 ? 8 : 120, 18, 105, 60);
        ecrit(boite, g == 1 ? msg::premier_gene_minuscule : msg::deuxieme_gene_minuscule,
              f.textes.langue());
        boite.visible = false;
        boite.curseur = Curseur::deplacement;
        boites[g] = &boite;
        const char* prefixe = g == 1 ? "pg" : "sg";
        for (int i = 1; i <= max_genotypes_gene; ++i)
            case_genotype[g][i] =
                &place(f.fenetre.cree<CaseACocher>(&boite, prefixe + std::to_string(i)), 6,
                       16 + (i - 1) * 18, 90, 17);
    }
    radio_genotype[1] = &place(f.fenetre.cree<RadioGroupe>(panneau, "choix_gen1"), 8, 18, 105, 40);
    radio_genotype[2] =
        &place(f.fenetre.cree<RadioGroupe>(panneau, "choix_gen2"), 120, 18, 105, 40);
    sexe = &place(f.fenetre.cree<RadioGroupe>(panneau, "choix_sexe"), 166, 80, 110, 58);
    ecrit(*sexe, msg::choix_sexe, f.textes.langue());
    ecrit_items(*sexe, {msg::masculin, msg::feminin}, f.textes.langue());
    ok = &cree_bouton(f.fenetre, panneau, "BitBtn8", msg::ok_saisie, {8, 80, 70}, Glyphe::ok);
    annuler =
        &cree_bouton(f.fenetre, panneau, "BitBtn9", msg::annuler, {82, 80, 77}, Glyphe::annuler);
    groupe_nb_descendants = &place(f.fenetre.cree<Groupe>(panneau, "gr_nb_desc2"), 8, 110, 150, 48);
    ecrit(*groupe_nb_descendants, msg::nb_descendants, f.textes.langue());
    nb_descendants =
        &place(f.fenetre.cree<Combo>(groupe_nb_descendants, "choix_nb_desc2"), 8, 18, 100, 22);
    ecrit_items(*nb_descendants,
                {msg::hasard, Texte::tel_quel("2"), Texte::tel_quel("3"), Texte::tel_quel("4"),
                 Texte::tel_quel("5"), Texte::tel_quel("6")},
                f.textes.langue());
    nb_descendants->index = 0;
    relie_gestionnaires();
}

void SaisieGenotypes::relie_gestionnaires() {
    for (int g = 1; g <= 2; ++g) {
        radio_genotype[g]->on_click = [this, g] { stock_ch_gen(g, radio_genotype[g]->index); };
        // The boxes are never shown: their handlers run when the program ticks or unticks them.
        for (int k = 1; k <= max_genotypes_gene; ++k)
            case_genotype[g][k]->on_click = [this, g, k] { choix_genotype(g, k); };
    }
    sexe->on_click = [this] { change_sexe(); };
    nb_descendants->on_change = [this] { change_nb_descendants(); };
    ok->on_click = [this] { confirme(); };
    annuler->on_click = [this] { f.alleles.annule(); };
}

void SaisieGenotypes::mise_en_page(const ModeleCaracteres& modele) {
    const int g_plus = modele.nb_genotypes_gene[1] > modele.nb_genotypes_gene[2] ? 1 : 2;
    const int n = modele.nb_genotypes_gene[g_plus];
    const int bas_cases = n >= 1 ? case_genotype[g_plus][n]->bottom() : 16;
    boites[1]->height = boites[2]->height = bas_cases + 5;
    const int ligne = f.mesure_genotype->height + 4;
    for (int g = 1; g <= 2; ++g)
        radio_genotype[g]->height = static_cast<int>(radio_genotype[g]->items.size()) * ligne + 1;
    ok->top = annuler->top = boites[1]->bottom() + 5;
    groupe_nb_descendants->top = annuler->bottom() + 5;
    panneau->height = groupe_nb_descendants->bottom() + 5;
}

void SaisieGenotypes::cadre(bool montre) {
    const int ligne = f.mesure_genotype->height + 4;
    for (int g = 1; g <= 2; ++g)
        radio_genotype[g]->height = (radio_genotype[g]->nb_montres() + 1) * ligne;
    ok->top =
        std::max(radio_genotype[1]->height, radio_genotype[2]->height) + radio_genotype[1]->top + 5;
    annuler->top = sexe->top = ok->top;
    groupe_nb_descendants->top = ok->bottom() + 2;
    panneau->height = groupe_nb_descendants->bottom() + 5;
    if (montre) panneau->visible = true;
}

} // namespace orvan
