#include "plateforme_test.h"

#include <gtest/gtest.h>

using namespace orvan;
using orvan::test::Session;

TEST(BanqueGenes, ListeEtMiseEnPageDuChoix) {
    Session s;
    const std::vector<std::string> genes = {"Daltonisme d", "Groupes ABO", "Facteur rhésus rh+ rh-",
                                            "Hémophilie h"};
    EXPECT_EQ(s->modele.nb_maladies, 4);
    EXPECT_EQ(s->modele.nom_maladie[4], "Hémophilie h");
    EXPECT_EQ(s->Group_prem->items, genes);
    EXPECT_EQ(s->Group_sec->items, genes);
    // Four lines of 13 pixels, one and a half each: 78.
    EXPECT_EQ(s->Group_sec->height, 78);
    EXPECT_EQ(s->BitBtn2->top, s->Group_prem->top + 78 + 5);
    EXPECT_EQ(s->group_choix->height, s->BitBtn1->bottom() + 5);

    std::string long_nom, coupe50;
    for (int i = 0; i < 30; ++i)
        long_nom += "éa";
    for (int i = 0; i < 25; ++i)
        coupe50 += "éa";
    s->banque_genes->lignes = {"{Maladie}", "{" + long_nom + "}", "c",       "P,1,0,0",
                               "[P]=(a,a)", "(a)=(a>b)",          "{Court}", "{Troisième}"};
    const auto lignes = s.journal();
    s->init(1);
    EXPECT_EQ(s->Group_prem->items, (std::vector<std::string>{coupe50, "Court", "Troisième"}));
    EXPECT_EQ(s->Group_prem->index, -1);
    EXPECT_FALSE(s->BitBtn1->enabled);
    EXPECT_EQ(s.journal(), lignes);
    // 3 x 1.5 x 13 = 58.5, taken to the even 58.
    EXPECT_EQ(s->Group_prem->height, 58);

    // The cut name matches no header: nothing is read and nothing drawn.
    const auto graine = s->alea.graine_alea;
    s->Monohybridisme1Click();
    EXPECT_EQ(s->titre->caption, coupe50);
    EXPECT_TRUE(s->prem_allele->items.empty());
    EXPECT_EQ(s->modele.nb_genotypes, 0);
    EXPECT_EQ(s->alea.graine_alea, graine);
}

TEST(BanqueGenes, LignesDeCouleursEtRelationsVides) {
    Session s;
    s->banque_genes->lignes = {"{Maladie}",       "#[P]=3",
                               "{Gène test}",     "Un gène d'essai",
                               "P,1,0,0",         "Q,1,0,0",
                               "[P]=(a,a),(a,b)", "[Q]=(b,b)",
                               "(a,b)=",          "#[Q]=3,[P]=x1,[Q]=17,[P]=0,[Z]=5"};
    Generateur g{s->alea.graine_alea};
    s->Monohybridisme1Click();
    ASSERT_EQ(s->modele.nb_phenotypes_total, 2);
    EXPECT_EQ(s->nom_legende[2]->caption, "Q");
    // P: the line before the entry and the bad numbers leave the aqua it had.
    EXPECT_EQ(s->figure_legende[1]->remplissage, rgb(0, 255, 255));
    EXPECT_EQ(s->figure_legende[2]->remplissage, rgb(0, 128, 0));
    EXPECT_EQ(s->titre->hint, "Un gène d'essai ");

    // No statement, yet a thousand draws.
    EXPECT_EQ(s->modele.nb_relations[1], 0);
    for (int i = 0; i < 1000; ++i)
        g.tirage_alea(0);
    EXPECT_EQ(s->alea.graine_alea, g.graine_alea);
    EXPECT_FALSE(s->case_relation[1][1]->visible);
}
