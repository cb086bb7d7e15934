// Affichage › Probabilités on a saved family, as the pupil sees it: the colour-blind founder's
// daughters are obligate carriers, his granddaughter by a carrier daughter one in two.
#include "app/famille_vue_fenetre.h"
#include "app/fenetre_principale.h"
#include "plateforme_test.h"

#include <gtest/gtest.h>

namespace orvan::test {
namespace {

const std::string daltonisme = std::string(ORVAN_TEST_DATA) + "/../../data/exemples/daltonisme.gen";

TEST(ProbabilitesFenetre, LesPorteusesSousLesSymbolesEtLaTableDeBayesDUnePersonne) {
    Session s;
    ASSERT_TRUE(s->historique.ouvre_fichier(daltonisme));
    s->actualise_probabilites();
    EXPECT_FALSE(s->probabilites.textes[3]->visible);
    s->menus.probabilites->clic();
    EXPECT_TRUE(s->actualise_probabilites());
    // Obligate carriers and a carrier's daughter read the same under either prior.
    for (Menu* a_priori : {s->menus.dans_la_population, s->menus.dans_ce_programme}) {
        a_priori->clic();
        s->actualise_probabilites();
        for (int fille : {3, 5}) {
            EXPECT_EQ(s->probabilites.textes[fille]->caption, "porteuse : 1");
            EXPECT_TRUE(s->probabilites.points[fille]->visible);
        }
        EXPECT_EQ(s->probabilites.textes[10]->caption, "porteuse : 1/2 (50 %)");
        EXPECT_FALSE(s->probabilites.points[10]->visible);
        EXPECT_FALSE(s->probabilites.textes[1]->visible);
        EXPECT_EQ(s->probabilites.textes[10]->top, s->arbre.tab_shape[10]->bottom() + 2);
        // Individual 3's couple has its line down to its children beside her: her text stands
        // clear of it, as does every text of every line.
        for (const Label* t : s->probabilites.textes)
            for (const Panel* v : s->arbre.tab_vertic)
                if (t && t->affiche() && v->affiche()) {
                    EXPECT_TRUE(t->right() <= v->left || v->right() <= t->left ||
                                t->bottom() <= v->top || v->bottom() <= t->top)
                        << t->nom << " " << v->nom;
                }
    }
    s->probabilites.textes[10]->on_mouse_down(Bouton::gauche, 1, 1);
    ASSERT_EQ(s.plateforme.tableaux.size(), 1u);
    const auto& t = s.plateforme.tableaux[0].cases;
    const std::vector<std::vector<std::string>> attendu = {
        {"Génotype", "XD,XD", "XD,Xd"},
        {"A priori", "1/2", "1/2"},
        {"Conditionnelle", "1", "1"},
        {"Jointe", "1/2", "1/2"},
        {"A posteriori", "1/2 (50 %)", "1/2 (50 %)"}};
    EXPECT_EQ(t, attendu);
    s->menus.probabilites->clic();
    EXPECT_TRUE(s->actualise_probabilites());
    EXPECT_FALSE(s->probabilites.textes[3]->visible);
    EXPECT_FALSE(s->probabilites.points[3]->visible);
}

// Both founders [D], two daughters: the bank lists the [D] women XD,XD, XD,Xd and Xd,XD, so the
// founder woman carries with 2/3, and each daughter, who has her father's XD, with 1/3.
TEST(ProbabilitesFenetre, UnGenotypeQueLaBanqueCiteDeuxFoisCompteDeuxFois) {
    Session s;
    s->journal.lignes() = {"aleat=7",      "bitbtn4click",      "group_premclick.0",
                           "bitbtn1click", "choix_all(1,left)", "prem_alleleclick.0",
                           "all_okclick",  "choix_all(2,left)", "prem_alleleclick.0",
                           "nb_desc=1",    "all_okclick"};
    s->historique.rejoue_journal();
    ASSERT_EQ(s->famille.dernier_indiv(), 4);
    s->menus.probabilites->clic();
    s->actualise_probabilites();
    EXPECT_EQ(s->probabilites.textes[2]->caption, "porteuse : 2/3 (67 %)");
    for (int fille : {3, 4}) {
        ASSERT_EQ(s->famille.individu(fille).sexe, Sexe::femme);
        EXPECT_EQ(s->probabilites.textes[fille]->caption, "porteuse : 1/3 (33 %)");
    }
}

// A daughter's genotype changed by hand to one with a Y: one warning names her, and no
// probability is written.
TEST(ProbabilitesFenetre, UneContradictionEstDiteUneFoisEtNeMontreRien) {
    Session s;
    ASSERT_TRUE(s->historique.ouvre_fichier(std::string(ORVAN_TEST_DATA) + "/changement_sexe.gen"));
    s->menus.probabilites->clic();
    s->actualise_probabilites();
    s->actualise_probabilites();
    ASSERT_EQ(s.plateforme.avertissements.size(), 1u);
    EXPECT_NE(s.plateforme.avertissements[0].find("Y,Xd saisi pour l'individu 3"),
              std::string::npos);
    for (int k = 1; k <= max_individus; ++k)
        EXPECT_FALSE(s->probabilites.textes[static_cast<std::size_t>(k)]->visible) << k;
}

} // namespace
} // namespace orvan::test
