#include "famille_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

using namespace orvan;
using namespace orvan::test;

TEST(Couleurs, EchantillonsEtLigneDuJournal) {
    Session s;
    s->menus.couleurs->clic();
    EXPECT_TRUE(s->couleurs.panneau->visible);
    s->couleurs.ok->clic();
    EXPECT_EQ(s.journal().back(), "couleur=(15,10,15,15,15,15,15,15,15,15)");

    // Every sample starts from 16: a left click gives black, a right click from 1 wraps to 16.
    s->couleurs.modif_couleur(Bouton::gauche, 1);
    EXPECT_EQ(s->couleurs.figure_legende[1]->remplissage, rgb(0, 0, 0));
    s->couleurs.modif_couleur(Bouton::droit, 1);
    EXPECT_EQ(s->couleurs.figure_legende[1]->remplissage, rgb(255, 255, 255));
    s->couleurs.modif_couleur(Bouton::droit, 1);
    s->couleurs.modif_couleur(Bouton::droit, 2);
    EXPECT_EQ(s->couleurs.figure_legende[2]->remplissage, rgb(0, 255, 255));
    s->couleurs.figure_legende[3]->on_mouse_down(Bouton::gauche, 3, 3);
    s->couleurs.modif_couleur(Bouton::gauche, 3);
    EXPECT_EQ(s->couleurs.figure_legende[3]->remplissage, rgb(128, 0, 0));
    const auto n = s.journal().size();
    s->couleurs.ok->clic();
    EXPECT_EQ(s.journal().size(), n + 1);
    EXPECT_EQ(s.journal().back(), "couleur=(15,15,2,15,15,15,15,15,15,15)");
}

TEST(Couleurs, FermerNeRecolorePas) {
    Session s;
    s->phenotypes.nb_descendants->choix_utilisateur(1);
    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 1);
    ASSERT_EQ(s->arbre.tab_shape[1]->remplissage, rgb(0, 255, 255));
    const auto lignes = s.journal();
    s->couleurs.montre();
    s->couleurs.modif_couleur(Bouton::gauche, 1);
    s->couleurs.fermer->clic();
    EXPECT_FALSE(s->couleurs.panneau->visible);
    EXPECT_EQ(s.journal(), lignes);
    EXPECT_EQ(s->arbre.tab_shape[1]->remplissage, rgb(0, 255, 255));

    // The next recolouring, here after a crossing, takes the new sample and logs no colours.
    donne_phenotypes(s, 3, 0);
    for (int k = 1; k <= s->famille.dernier_indiv(); ++k)
        EXPECT_EQ(s->arbre.tab_shape[k]->remplissage,
                  s->arbre.tab_label[k]->caption == "[D]" ? rgb(0, 0, 0) : rgb(255, 0, 0))
            << k;
    EXPECT_TRUE(std::none_of(s.journal().begin(), s.journal().end(),
                             [](const std::string& l) { return l.starts_with("couleur="); }));
}

TEST(Couleurs, DeuxGenesSymboleEtFondDuLabel) {
    Session s;
    choisit_genes(s, 0, 1);
    s->couleurs.modif_couleur(Bouton::gauche, 3); // A in black
    donne_phenotypes(s, 1, 0, 0);
    EXPECT_EQ(s->arbre.tab_label[1]->caption, "[D,A]");
    EXPECT_EQ(s->arbre.tab_shape[1]->remplissage, cyan);
    EXPECT_EQ(s->arbre.tab_label[1]->fond, noir);
    EXPECT_EQ(s->arbre.tab_shape[1]->hint, s->famille.individu(1).genotype(1).texte() + "//" +
                                               s->famille.individu(1).genotype(2).texte());
    donne_phenotypes(s, 2, 1, 3);
    EXPECT_EQ(s->arbre.tab_label[2]->caption, "[d,O]");
    EXPECT_EQ(s->arbre.tab_shape[2]->remplissage, rouge);
    EXPECT_EQ(s->arbre.tab_label[2]->fond, bleu);

    std::map<std::string, Couleur> echantillon;
    for (int i = 1; i <= 6; ++i)
        echantillon[s->couleurs.nom_legende[i]->caption] =
            s->couleurs.figure_legende[i]->remplissage;
    ASSERT_GE(s->famille.dernier_indiv(), 5);
    for (int k = 3; k <= s->famille.dernier_indiv(); ++k) {
        EXPECT_EQ(s->arbre.tab_shape[k]->remplissage,
                  echantillon.at(s->famille.individu(k).phenotype(1)))
            << k;
        EXPECT_EQ(s->arbre.tab_label[k]->fond, echantillon.at(s->famille.individu(k).phenotype(2)))
            << k;
    }
}

TEST(Couleurs, LePasFaitLeTourDeLaTable) {
    // The sixteen colours by number.
    const std::array<Couleur, 17> table = {
        0,
        rgb(0, 0, 0),       // 1 black
        rgb(128, 0, 0),     // 2 maroon
        rgb(0, 128, 0),     // 3 green
        rgb(128, 128, 0),   // 4 olive
        rgb(0, 0, 128),     // 5 navy
        rgb(128, 0, 128),   // 6 purple
        rgb(0, 128, 128),   // 7 teal
        rgb(128, 128, 128), // 8 grey
        rgb(192, 192, 192), // 9 silver
        rgb(255, 0, 0),     // 10 red
        rgb(0, 255, 0),     // 11 lime
        rgb(255, 255, 0),   // 12 yellow
        rgb(0, 0, 255),     // 13 blue
        rgb(255, 0, 255),   // 14 fuchsia
        rgb(0, 255, 255),   // 15 aqua
        rgb(255, 255, 255), // 16 white
    };
    Session s;
    s->couleurs.montre();
    // Left clicks from 16: 1, 2, ... 16, then 1 and 2 again.
    const std::vector<int> a_gauche = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1, 2};
    for (int numero : a_gauche) {
        s->couleurs.modif_couleur(Bouton::gauche, 1);
        EXPECT_EQ(s->couleurs.figure_legende[1]->remplissage, table[numero]) << numero;
    }
    // Right clicks from 16: 15 down to 1, then 16 and 15 again.
    const std::vector<int> a_droite = {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 16, 15};
    for (int numero : a_droite) {
        s->couleurs.modif_couleur(Bouton::droit, 2);
        EXPECT_EQ(s->couleurs.figure_legende[2]->remplissage, table[numero]) << numero;
    }
    // Back from 1 to 16 on the first sample, which stood at 2.
    s->couleurs.modif_couleur(Bouton::droit, 1);
    s->couleurs.modif_couleur(Bouton::droit, 1);
    EXPECT_EQ(s->couleurs.figure_legende[1]->remplissage, table[16]);
    s->couleurs.ok->clic();
    EXPECT_EQ(s.journal().back(), "couleur=(16,15,15,15,15,15,15,15,15,15)");
    // A sample outside the legend is not stepped.
    s->couleurs.modif_couleur(Bouton::gauche, 0);
    s->couleurs.modif_couleur(Bouton::gauche, 11);
    s->couleurs.ok->clic();
    EXPECT_EQ(s.journal().back(), "couleur=(16,15,15,15,15,15,15,15,15,15)");
}
