#include "plateforme_test.h"

#include <gtest/gtest.h>

using namespace orvan;
using orvan::test::Session;

TEST(Demarrage, LaissePremierGeneConfirmeEtQuatreLignes) {
    Session s({23, 59, 59, 999});
    ASSERT_EQ(s.journal().size(), 4u);
    EXPECT_EQ(s.journal()[0], "aleat=86399999");
    EXPECT_EQ(s.journal()[1], "bitbtn4click");
    EXPECT_EQ(s.journal()[2], "group_premclick.0");
    EXPECT_EQ(s.journal()[3], "bitbtn1click");
    EXPECT_EQ(s->coquille.titre->caption, "Daltonisme d");
    EXPECT_TRUE(s->coquille.titre->visible);
    EXPECT_EQ(s->coquille.titre->left, s->width / 2 - s->coquille.titre->width / 2);
    EXPECT_EQ(s->coquille.titre->hint, "Mauvaise vision des couleurs ");
    EXPECT_EQ(s->genes.modele.nb_genes, 1);
    EXPECT_TRUE(s->menus.couleurs->enabled);
    EXPECT_FALSE(s->menus.autre_famille->enabled);
    EXPECT_FALSE(s->menus.exercices->enabled);
    EXPECT_TRUE(s->menus.sans_info_genotype->checked);
    EXPECT_FALSE(s->show_hint_global);
    EXPECT_EQ(s->coquille.repertoire_depart, "/home/eleve/");
}

TEST(Demarrage, PlaceLesFondateurs) {
    Session s;
    const Forme& f1 = *s->arbre.tab_shape[1];
    const Forme& f2 = *s->arbre.tab_shape[2];
    EXPECT_TRUE(f1.visible && f2.visible && f1.enabled && f2.enabled);
    EXPECT_EQ(f1.contour, Contour::carre);
    EXPECT_EQ(f2.contour, Contour::cercle);
    EXPECT_EQ(f1.left, 698 / 2 - 60);
    EXPECT_EQ(f2.left, 698 / 2 + 25);
    EXPECT_EQ(f1.top, 50);
    EXPECT_EQ(f1.remplissage, rgb(255, 255, 255));
    EXPECT_TRUE(f1.hint.empty());
    for (int k = 3; k <= 40; ++k)
        EXPECT_FALSE(s->arbre.tab_shape[k]->visible) << k;
}
