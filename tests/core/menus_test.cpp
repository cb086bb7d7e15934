#include "famille_test.h"

#include <gtest/gtest.h>

using namespace orvan;
using namespace orvan::test;

TEST(MenusEtMinuteries, CaractereDemandeAvantDeRepartir) {
    Session s;
    choisit(s, 1, 0);
    const auto lignes = s.journal();
    s.plateforme.reponses.push_back(false);
    s->Caractre1->clic();
    EXPECT_EQ(s.plateforme.questions,
              std::vector<std::string>{
                  "Voulez-vous perdre les données à l'écran pour de nouveaux caractères?"});
    EXPECT_FALSE(s->Timer_debut->enabled);
    EXPECT_EQ(s.journal(), lignes);
    EXPECT_FALSE(s->tab_shape[1]->hint.empty());

    s.plateforme.reponses.push_back(true);
    s->Caractre1->clic();
    EXPECT_TRUE(s->Timer_debut->enabled);
    s.plateforme.heure = {1, 2, 3, 4};
    s->Timer_debut->tic();
    EXPECT_FALSE(s->Timer_debut->enabled);
    EXPECT_EQ(s.journal(), (std::vector<std::string>{"aleat=3723004", "bitbtn4click",
                                                     "group_premclick.0", "bitbtn1click"}));
    EXPECT_TRUE(s->tab_shape[1]->hint.empty());
}

TEST(MenusEtMinuteries, FlecheImageOptionsEtAide) {
    Session s;
    int tics = 0;
    for (; s->Timer_anim_fleche->enabled && tics < 1000; ++tics)
        s->Timer_anim_fleche->tic();
    // From 291 right to 381 and back to 288, twice.
    EXPECT_EQ(s->speed_fleche->left, 288);
    EXPECT_EQ(tics, 30 + 31 + 31 + 31);

    s->ShapeMouseDown(1, Bouton::gauche);
    s->Timer_disparait_image->tic();
    EXPECT_FALSE(s->Image1->visible || s->speed_fleche->visible || s->Panel_info->visible);
    EXPECT_FALSE(s->Timer_disparait_image->enabled || s->Timer_anim_fleche->enabled);
    EXPECT_EQ(s->Timer_disparait_image->intervalle, 200);
    // Shown again (as after printing), the picture stays at later founder clicks.
    s->Image1->visible = true;
    s->all_annul->clic();
    s->ShapeMouseDown(2, Bouton::gauche);
    s->Timer_disparait_image->tic();
    EXPECT_TRUE(s->Image1->visible);

    const auto lignes = s.journal();
    s->Avecinfognotype1->clic();
    EXPECT_TRUE(s->Avecinfognotype1->checked && !s->Sansinfognotype1->checked);
    EXPECT_TRUE(s->show_hint_global);
    s->Sansinfognotype1->clic();
    EXPECT_TRUE(s->Sansinfognotype1->checked && !s->Avecinfognotype1->checked);
    EXPECT_FALSE(s->show_hint_global);
    EXPECT_EQ(s.journal(), lignes);

    s->FormKeyDown(113);
    EXPECT_TRUE(s.plateforme.aides.empty());
    s->FormKeyDown(112);
    EXPECT_EQ(s.plateforme.aides, std::vector<std::string>{"orvan.hlp#1"});
}
