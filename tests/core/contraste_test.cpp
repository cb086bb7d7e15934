// Label text over the phenotype colours: readable for every pupil.
#include "ground/couleurs.h"

#include <gtest/gtest.h>

using namespace orvan;

namespace {

constexpr Couleur noir = rgb(0, 0, 0);
constexpr Couleur blanc = rgb(255, 255, 255);

} // namespace

TEST(Contraste, ValeursDeReference) {
    EXPECT_DOUBLE_EQ(luminance_relative(noir), 0.0);
    EXPECT_DOUBLE_EQ(luminance_relative(blanc), 1.0);
    EXPECT_NEAR(luminance_relative(rgb(128, 128, 128)), 0.21586, 1e-5);
    EXPECT_NEAR(luminance_relative(rgb(0, 0, 255)), 0.0722, 1e-9);
    EXPECT_DOUBLE_EQ(rapport_contraste(noir, blanc), 21.0);
    EXPECT_DOUBLE_EQ(rapport_contraste(blanc, noir), 21.0);
    EXPECT_DOUBLE_EQ(rapport_contraste(rgb(0, 128, 0), rgb(0, 128, 0)), 1.0);
    EXPECT_NEAR(rapport_contraste(blanc, rgb(0, 0, 255)), 8.59, 0.01);
    EXPECT_NEAR(rapport_contraste(rgb(255, 255, 0), rgb(0, 0, 128)), 14.91, 0.01);
}

TEST(Contraste, NoirOuBlancSelonLeFond) {
    // Worked out by hand: black / white ratios in brackets.
    EXPECT_EQ(noir_ou_blanc(rgb(0, 0, 128)), blanc);    // navy 1.31 / 16.0
    EXPECT_EQ(noir_ou_blanc(rgb(0, 0, 255)), blanc);    // blue 2.44 / 8.59
    EXPECT_EQ(noir_ou_blanc(rgb(0, 128, 128)), blanc);  // teal 4.40 / 4.77
    EXPECT_EQ(noir_ou_blanc(rgb(128, 128, 0)), noir);   // olive 5.01 / 4.20
    EXPECT_EQ(noir_ou_blanc(rgb(255, 0, 0)), noir);     // red 5.25 / 4.00
    EXPECT_EQ(noir_ou_blanc(rgb(0, 255, 255)), noir);   // aqua 16.75 / 1.25
    EXPECT_EQ(noir_ou_blanc(rgb(128, 128, 128)), noir); // grey 5.32 / 3.95
}

TEST(Contraste, UneCouleurQuiSeLitResteSinonNoirOuBlanc) {
    // The file name's yellow on navy reads well and stays.
    EXPECT_EQ(texte_lisible(rgb(255, 255, 0), rgb(0, 0, 128)), rgb(255, 255, 0));
    EXPECT_EQ(texte_lisible(noir, blanc), noir);
    EXPECT_EQ(texte_lisible(noir, rgb(0, 0, 255)), blanc);
    EXPECT_EQ(texte_lisible(noir, rgb(128, 0, 128)), blanc);
    // Grey text on grey: whichever of black and white is better.
    EXPECT_EQ(texte_lisible(rgb(120, 120, 120), rgb(128, 128, 128)), noir);
}

TEST(Contraste, ChaqueCouleurDeLaTableAvecSonTexte) {
    const auto& table = table_couleurs();
    for (int i = 1; i <= 16; ++i) {
        const Couleur fond = table[i];
        const Couleur autre = texte_lisible(noir, fond) == noir ? blanc : noir;
        for (const Couleur texte : {texte_lisible(noir, fond), texte_inactif(noir, fond)}) {
            const double r = rapport_contraste(texte, fond);
            EXPECT_TRUE(r >= contraste_lisible || r >= rapport_contraste(autre, fond))
                << "couleur " << i << " : " << r;
        }
        // Every colour of the table has a text that reaches the ratio.
        EXPECT_GE(rapport_contraste(texte_lisible(noir, fond), fond), contraste_lisible) << i;
    }
}

TEST(Contraste, UnTexteInactifEstAttenueMaisLisible) {
    EXPECT_EQ(texte_inactif(noir, blanc), rgb(102, 102, 102));          // 5.74:1
    EXPECT_EQ(texte_inactif(noir, rgb(0, 255, 255)), rgb(0, 102, 102)); // 5.42:1
    EXPECT_EQ(texte_inactif(noir, rgb(0, 0, 128)), rgb(153, 153, 204)); // 5.93:1
    // Blue leaves less room: a bit more than a quarter of the way.
    EXPECT_EQ(texte_inactif(noir, rgb(0, 0, 255)), rgb(184, 184, 255)); // 4.64:1
    // A coloured text that reads well keeps its hue: the file name's yellow on navy.
    EXPECT_EQ(texte_inactif(rgb(255, 255, 0), rgb(0, 0, 128)), rgb(153, 153, 51)); // 5.31:1
}
