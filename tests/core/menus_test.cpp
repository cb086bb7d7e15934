#include "famille_test.h"

#include <gtest/gtest.h>

using namespace orvan;
using namespace orvan::test;

// A family as its file holds it: nothing to save, the question is whether to leave it.
TEST(MenusEtMinuteries, CaractereDemandeAvantDeRepartir) {
    Session s;
    ASSERT_TRUE(s->historique.ouvre_fichier(ORVAN_TEST_DATA "/trois_generations.gen"));
    const auto lignes = s.journal();
    s.plateforme.reponses.push_back(false);
    s->menus.caractere->clic();
    EXPECT_EQ(s.plateforme.questions,
              std::vector<std::string>{
                  "Voulez-vous perdre les données à l'écran pour de nouveaux caractères?"});
    EXPECT_FALSE(s->coquille.minuterie_demarrage->enabled);
    EXPECT_EQ(s.journal(), lignes);
    EXPECT_FALSE(s->arbre.tab_shape[1]->hint.empty());

    s.plateforme.reponses.push_back(true);
    s->menus.caractere->clic();
    EXPECT_TRUE(s->coquille.minuterie_demarrage->enabled);
    s.plateforme.heure = {1, 2, 3, 4};
    s->coquille.minuterie_demarrage->tic();
    EXPECT_FALSE(s->coquille.minuterie_demarrage->enabled);
    EXPECT_EQ(s.journal(), (std::vector<std::string>{"aleat=3723004", "bitbtn4click",
                                                     "group_premclick.0", "bitbtn1click"}));
    EXPECT_TRUE(s->arbre.tab_shape[1]->hint.empty());
}

TEST(MenusEtMinuteries, FlecheImageOptionsEtAide) {
    Session s;
    int tics = 0;
    for (; s->depart.minuterie_fleche->enabled && tics < 1000; ++tics)
        s->depart.minuterie_fleche->tic();
    // From 291 right to 381 and back to 288, twice.
    EXPECT_EQ(s->depart.fleche->left, 288);
    EXPECT_EQ(tics, 30 + 31 + 31 + 31);

    s->arbre.clic_individu(1, Bouton::gauche);
    s->depart.minuterie_disparition->tic();
    EXPECT_FALSE(s->depart.image->visible || s->depart.fleche->visible ||
                 s->depart.panneau_consigne->visible);
    EXPECT_FALSE(s->depart.minuterie_disparition->enabled || s->depart.minuterie_fleche->enabled);
    EXPECT_EQ(s->depart.minuterie_disparition->intervalle, 200);
    // Shown again (as after printing), the picture stays at later founder clicks.
    s->depart.image->visible = true;
    s->phenotypes.annuler->clic();
    s->arbre.clic_individu(2, Bouton::gauche);
    s->depart.minuterie_disparition->tic();
    EXPECT_TRUE(s->depart.image->visible);

    const auto lignes = s.journal();
    s->menus.avec_info_genotype->clic();
    EXPECT_TRUE(s->menus.avec_info_genotype->checked && !s->menus.sans_info_genotype->checked);
    EXPECT_TRUE(s->show_hint_global);
    s->menus.sans_info_genotype->clic();
    EXPECT_TRUE(s->menus.sans_info_genotype->checked && !s->menus.avec_info_genotype->checked);
    EXPECT_FALSE(s->show_hint_global);
    EXPECT_EQ(s.journal(), lignes);

    s->coquille.touche(113);
    EXPECT_TRUE(s.plateforme.aides.empty());
    s->coquille.touche(112);
    EXPECT_EQ(s.plateforme.aides, std::vector<std::string>{"orvan.html#1"});
}
