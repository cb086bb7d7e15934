#include "plateforme_test.h"

#include <gtest/gtest.h>

using namespace orvan;
using orvan::test::Session;

TEST(BanqueGenes, ListeEtMiseEnPageDuChoix) {
    Session s;
    const std::vector<std::string> genes = {"Daltonisme d", "Groupes ABO", "Facteur rhésus rh+ rh-",
                                            "Hémophilie h"};
    EXPECT_EQ(s->genes.modele.nb_maladies, 4);
    EXPECT_EQ(s->genes.modele.nom_maladie[4], "Hémophilie h");
    EXPECT_EQ(s->genes.premier_gene->items, genes);
    EXPECT_EQ(s->genes.second_gene->items, genes);
    // Four lines of 13 pixels, one and a half each: 78.
    EXPECT_EQ(s->genes.second_gene->height, 78);
    EXPECT_EQ(s->genes.annuler->top, s->genes.premier_gene->top + 78 + 5);
    EXPECT_EQ(s->genes.panneau->height, s->genes.ok->bottom() + 5);

    std::string long_nom, coupe50;
    for (int i = 0; i < 30; ++i)
        long_nom += "éa";
    for (int i = 0; i < 25; ++i)
        coupe50 += "éa";
    s->genes.banque->lignes = {"{Maladie}", "{" + long_nom + "}", "c",       "P,1,0,0",
                               "[P]=(a,a)", "(a)=(a>b)",          "{Court}", "{Troisième}"};
    const auto lignes = s.journal();
    s->coquille.remet_a_zero();
    EXPECT_EQ(s->genes.premier_gene->items,
              (std::vector<std::string>{coupe50, "Court", "Troisième"}));
    EXPECT_EQ(s->genes.premier_gene->index, -1);
    EXPECT_FALSE(s->genes.ok->enabled);
    EXPECT_EQ(s.journal(), lignes);
    // 3 x 1.5 x 13 = 58.5, taken to the even 58.
    EXPECT_EQ(s->genes.premier_gene->height, 58);

    // The cut name matches no header: nothing is read and nothing drawn.
    const auto graine = s->alea.graine_alea;
    s->coquille.monohybridisme();
    EXPECT_EQ(s->coquille.titre->caption, coupe50);
    EXPECT_TRUE(s->phenotypes.premier_phenotype->items.empty());
    EXPECT_EQ(s->genes.modele.nb_genotypes, 0);
    EXPECT_EQ(s->alea.graine_alea, graine);
}

TEST(BanqueGenes, LignesDeCouleursEtRelationsVides) {
    Session s;
    s->genes.banque->lignes = {"{Maladie}",       "#[P]=3",
                               "{Gène test}",     "Un gène d'essai",
                               "P,1,0,0",         "Q,1,0,0",
                               "[P]=(a,a),(a,b)", "[Q]=(b,b)",
                               "(a,b)=",          "#[Q]=3,[P]=x1,[Q]=17,[P]=0,[Z]=5"};
    Generateur g{s->alea.graine_alea};
    s->coquille.monohybridisme();
    ASSERT_EQ(s->genes.modele.nb_phenotypes_total, 2);
    EXPECT_EQ(s->couleurs.nom_legende[2]->caption, "Q");
    // P: the line before the entry and the bad numbers leave the aqua it had.
    EXPECT_EQ(s->couleurs.figure_legende[1]->remplissage, rgb(0, 255, 255));
    EXPECT_EQ(s->couleurs.figure_legende[2]->remplissage, rgb(0, 128, 0));
    EXPECT_EQ(s->coquille.titre->hint, "Un gène d'essai ");

    // No statement, yet a thousand draws.
    EXPECT_EQ(s->genes.modele.nb_relations[1], 0);
    for (int i = 0; i < 1000; ++i)
        g.tirage_alea(0);
    EXPECT_EQ(s->alea.graine_alea, g.graine_alea);
    EXPECT_FALSE(s->alleles.case_relation[1][1]->visible);
}
