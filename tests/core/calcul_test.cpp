#include "regles/calcul.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace orvan;

TEST(Calcul, LectureDeLAffichage) {
    EXPECT_EQ(lit_affichage("12"), 12.0);
    EXPECT_EQ(lit_affichage("0.5"), 0.5);
    EXPECT_EQ(lit_affichage(".5"), 0.5);
    EXPECT_EQ(lit_affichage("5."), 5.0);
    EXPECT_EQ(lit_affichage("  -3.25"), -3.25);
    EXPECT_EQ(lit_affichage("+7"), 7.0);
    EXPECT_EQ(lit_affichage("0.1"), 0.1);
    EXPECT_EQ(lit_affichage("007"), 7.0);
}

TEST(Calcul, AffichageQuiNEstPasUnNombre) {
    for (const char* texte :
         {"", "   ", ".", "-", "1.2.3", "1..", "1e5", "12 ", "- 3", "--3", "3-", "1,5", "x"})
        EXPECT_FALSE(lit_affichage(texte).has_value()) << '"' << texte << '"';
    // Beyond what a double holds, either way.
    EXPECT_FALSE(lit_affichage("1" + std::string(400, '0')).has_value());
    EXPECT_FALSE(lit_affichage("0." + std::string(400, '0') + "1").has_value());
}

TEST(Calcul, QuatreOperationsEtRienAFaire) {
    EXPECT_EQ(calcule('+', 12, 3).valeur, 15);
    EXPECT_EQ(calcule('-', 2, 5).valeur, -3);
    EXPECT_EQ(calcule('x', 15, 2).valeur, 30);
    EXPECT_EQ(calcule(':', 1, 4).valeur, 0.25);
    EXPECT_EQ(calcule('x', 1e8, 9999999).valeur, 999999900000000.0);
    // No operation waiting: the number just read is the result.
    EXPECT_EQ(calcule('=', 7, 9).valeur, 9);
    EXPECT_EQ(calcule(0, 7, 9).valeur, 9);
    EXPECT_EQ(calcule('+', 1, 2).ecueil, Ecueil::aucun);
}

TEST(Calcul, DivisionParZeroEtDepassement) {
    EXPECT_EQ(calcule(':', 1, 0).ecueil, Ecueil::division_par_zero);
    EXPECT_EQ(calcule(':', 0, 0).ecueil, Ecueil::division_par_zero);
    EXPECT_EQ(calcule(':', 5, -0.0).ecueil, Ecueil::division_par_zero);
    EXPECT_EQ(calcule('x', 1e8, 1e7).ecueil, Ecueil::depassement);
    EXPECT_EQ(calcule('-', -1e14, 9e14).ecueil, Ecueil::depassement);
    EXPECT_EQ(calcule('x', 1e200, 1e200).ecueil, Ecueil::depassement);
    EXPECT_EQ(calcule(':', 1e10, 1e-10).ecueil, Ecueil::depassement);
    EXPECT_EQ(calcule('=', 0, 2e15).ecueil, Ecueil::depassement);
}

TEST(Calcul, FormatDuResultat) {
    EXPECT_EQ(formate_resultat(15), "15");
    EXPECT_EQ(formate_resultat(-3), "-3");
    EXPECT_EQ(formate_resultat(0), "0");
    EXPECT_EQ(formate_resultat(-0.0), "0");
    EXPECT_EQ(formate_resultat(0.5), "0.5");
    EXPECT_EQ(formate_resultat(0.25), "0.25");
    EXPECT_EQ(formate_resultat(-0.125), "-0.125");
    EXPECT_EQ(formate_resultat(0.0625), "0.0625");
    // 0.1 has no exact base-2 form.
    EXPECT_EQ(formate_resultat(0.1), "0.1000");
    EXPECT_EQ(formate_resultat(1e14 + 0.5), "100000000000000.5");
    EXPECT_EQ(formate_resultat(0.1 + 0.2), "0.3000");
    EXPECT_EQ(formate_resultat(1.0 / 3), "0.3333");
    EXPECT_EQ(formate_resultat(2.0 / 3), "0.6667");
    EXPECT_EQ(formate_resultat(123456789012345.0), "123456789012345");
    EXPECT_EQ(formate_resultat(1234.5678), "1234.5678");
}

TEST(Calcul, ArrondiAuDemiLoinDeZero) {
    // n/32 with n odd ends in a 5 at the fifth decimal: the fourth goes away from zero.
    EXPECT_EQ(formate_resultat(1.0 / 32), "0.0313");
    EXPECT_EQ(formate_resultat(5.0 / 32), "0.1563");
    EXPECT_EQ(formate_resultat(-5.0 / 32), "-0.1563");
    EXPECT_EQ(formate_resultat(2.0 + 13.0 / 32), "2.4063");
    // Where one step of a double is itself 1/32.
    EXPECT_EQ(formate_resultat(1099511627776.0 + 5.0 / 32), "1099511627776.1563");
    EXPECT_EQ(formate_resultat(140737488355328.0 + 5.0 / 32), "140737488355328.1563");
    // Just past the half, and just short of it.
    EXPECT_EQ(formate_resultat(0.03125 + 1.0 / 1024), "0.0322");
    EXPECT_EQ(formate_resultat(std::nextafter(1.0 / 32, 0.0)), "0.0312");
    EXPECT_EQ(formate_resultat(0.99994), "0.9999");
    EXPECT_EQ(formate_resultat(0.99996), "1.0000");
}
