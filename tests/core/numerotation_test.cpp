// The numbering of the option "Numérotation": I, II, III from the top, individuals from the left.
#include "ui/numerotation.h"

#include <gtest/gtest.h>

using namespace orvan;

namespace {

const std::array<int, 3> rangees = {50, 150, 250};

} // namespace

TEST(Numerotation, ChiffresRomains) {
    EXPECT_EQ(chiffre_romain(1), "I");
    EXPECT_EQ(chiffre_romain(2), "II");
    EXPECT_EQ(chiffre_romain(3), "III");
    EXPECT_EQ(chiffre_romain(4), "IV");
    EXPECT_EQ(chiffre_romain(9), "IX");
    EXPECT_EQ(chiffre_romain(14), "XIV");
    EXPECT_EQ(chiffre_romain(40), "XL");
    EXPECT_EQ(chiffre_romain(1999), "MCMXCIX");
    EXPECT_EQ(chiffre_romain(3999), "MMMCMXCIX");
    EXPECT_EQ(chiffre_romain(0), "");
    EXPECT_EQ(chiffre_romain(4000), "");
    EXPECT_EQ(numero_texte({7, 2, 3}), "II-3");
    EXPECT_EQ(numero_texte({12, 3, 10}), "III-10");
}

TEST(Numerotation, DeGaucheADroiteDansChaqueGeneration) {
    // Founders, three children, a spouse beside the second child (40 to its right), and two
    // grandchildren, one of them shifted left of every other individual.
    const std::vector<PlaceIndividu> places = {{1, 289, 50},  {2, 324, 50},  {3, 174, 150},
                                               {4, 349, 150}, {5, 523, 150}, {6, 389, 150},
                                               {7, -20, 250}, {8, 400, 250}};
    const std::vector<NumeroIndividu> attendus = {{1, 1, 1}, {2, 1, 2}, {3, 2, 1}, {4, 2, 2},
                                                  {5, 2, 4}, {6, 2, 3}, {7, 3, 1}, {8, 3, 2}};
    EXPECT_EQ(numerote(places, rangees), attendus);
}

TEST(Numerotation, EgalitesEtRangeesLesPlusProches) {
    // Two at the same place: the lower number first, whatever the order given.
    EXPECT_EQ(numerote({{9, 100, 150}, {4, 100, 150}}, rangees),
              (std::vector<NumeroIndividu>{{9, 2, 2}, {4, 2, 1}}));
    // A top off its row belongs to the nearest one; a tie goes to the upper row.
    EXPECT_EQ(numerote({{1, 0, 90}, {2, 0, 110}, {3, 0, 100}, {4, 0, 5000}}, rangees),
              (std::vector<NumeroIndividu>{{1, 1, 1}, {2, 2, 1}, {3, 1, 2}, {4, 3, 1}}));
    EXPECT_TRUE(numerote({}, rangees).empty());
}
