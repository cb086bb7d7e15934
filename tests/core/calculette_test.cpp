#include "panneaux/calculette.h"
#include "plateforme_test.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

using namespace orvan;
using namespace orvan::test;

namespace {

struct FenetreDeTest : Fiche {
    FenetreDeTest() : Fiche("Form1") {}
};

// A calculator on its window, shown, pressed key by key as a pupil does.
struct Poche {
    PlateformeTest plateforme;
    FenetreDeTest fenetre;
    Calculette calculette{fenetre, plateforme};

    Poche() {
        calculette.cree_controles();
        calculette.montre();
    }

    // The keys by their captions; "E" is "Effacer". Returns what the display shows then.
    const std::string& presse(std::string_view touches) {
        static const std::map<char, std::string> noms = {
            {'.', "b_point"}, {':', "b_div"},  {'x', "b_mul"}, {'-', "b_moins"},
            {'+', "b_plus"},  {'=', "b_egal"}, {'E', "b_eff"}};
        for (const char c : touches) {
            const std::string nom = c >= '0' && c <= '9' ? "b" + std::string(1, c) : noms.at(c);
            Controle* touche = fenetre.trouve(nom);
            EXPECT_NE(touche, nullptr) << nom;
            if (touche) touche->clic();
        }
        return calculette.affichage->caption;
    }
};

} // namespace

TEST(Calculette, BoiteEtTouches) {
    FenetreDeTest f;
    PlateformeTest p;
    Calculette c(f, p);
    c.cree_controles();
    ASSERT_EQ(f.composants().front().get(), c.boite);
    EXPECT_EQ(c.boite->nom, "calculette");
    EXPECT_EQ(c.boite->caption, " Calculette");
    EXPECT_FALSE(c.boite->visible);
    EXPECT_EQ(f.composants().size(), 20u);
    for (const auto& k : f.composants()) {
        EXPECT_EQ(k->tag, 0) << k->nom;
        if (k.get() == c.boite) continue;
        EXPECT_EQ(k->parent, c.boite) << k->nom;
        EXPECT_GE(k->left, 0) << k->nom;
        EXPECT_LE(k->right(), c.boite->width) << k->nom;
        EXPECT_LE(k->bottom(), c.boite->height) << k->nom;
    }
    EXPECT_EQ(c.affichage->nom, "affich");
    EXPECT_EQ(c.affichage->caption, "");
    EXPECT_FALSE(c.affichage->autosize);
    EXPECT_EQ(c.affichage->fond, rgb(128, 128, 128));
    EXPECT_EQ(c.affichage->couleur_texte, rgb(255, 255, 255));
    EXPECT_EQ(c.fermer->nom, "ferm_calc");
    EXPECT_EQ(c.fermer->caption, "x");
    EXPECT_EQ(c.effacer->caption, "Effacer");

    // Rows from the top: 7 8 9 :, 4 5 6 x, 1 2 3 -, 0 . = +; "Effacer" under the display.
    const char* rangees[4][4] = {{"b7", "b8", "b9", "b_div"},
                                 {"b4", "b5", "b6", "b_mul"},
                                 {"b1", "b2", "b3", "b_moins"},
                                 {"b0", "b_point", "b_egal", "b_plus"}};
    const char* legendes[4][4] = {
        {"7", "8", "9", ":"}, {"4", "5", "6", "x"}, {"1", "2", "3", "-"}, {"0", ".", "=", "+"}};
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 4; ++k) {
            const Controle* t = f.trouve(rangees[r][k]);
            ASSERT_NE(t, nullptr) << rangees[r][k];
            EXPECT_EQ(t->caption, legendes[r][k]);
            const Controle* gauche = k > 0 ? f.trouve(rangees[r][k - 1]) : nullptr;
            const Controle* dessus = r > 0 ? f.trouve(rangees[r - 1][k]) : c.effacer;
            if (gauche) {
                EXPECT_GE(t->left, gauche->right()) << t->nom;
                EXPECT_EQ(t->top, gauche->top) << t->nom;
            }
            EXPECT_GE(t->top, dessus->bottom()) << t->nom;
        }
    EXPECT_GE(c.effacer->top, c.affichage->bottom());
    EXPECT_LE(c.fermer->bottom(), c.affichage->top);
    EXPECT_EQ(c.fermer->right(), c.boite->width - 4);
}

TEST(Calculette, ChainesDeLaPoche) {
    Poche p;
    EXPECT_EQ(p.presse("12+3="), "15");
    EXPECT_EQ(p.presse("x2="), "30");
    EXPECT_EQ(p.presse("3"), "3");
    EXPECT_EQ(p.presse("E1:3="), "0.3333");
    EXPECT_EQ(p.presse("1:4="), "0.25");
    EXPECT_EQ(p.presse("1:8="), "0.125");
    EXPECT_EQ(p.presse("1:16="), "0.0625");
    EXPECT_EQ(p.presse("0.1+0.2="), "0.3000");
    EXPECT_EQ(p.presse("2-5="), "-3");
    // No precedence: each operator first completes the one waiting.
    EXPECT_EQ(p.presse("2+3+"), "5");
    EXPECT_EQ(p.presse("4="), "9");
    // 5 - 5 is 0, which counts as no first operand: the 2 typed next starts again.
    EXPECT_EQ(p.presse("5-5-"), "0");
    EXPECT_EQ(p.presse("2="), "2");
    EXPECT_EQ(p.presse("1:32="), "0.0313");
    EXPECT_EQ(p.presse("2-5=x0="), "0");
    EXPECT_TRUE(p.plateforme.erreurs.empty());
}

TEST(Calculette, DivisionParZero) {
    Poche p;
    EXPECT_EQ(p.presse("8:0="), "");
    ASSERT_EQ(p.plateforme.erreurs.size(), 1u);
    EXPECT_EQ(p.plateforme.erreurs[0], "Division par zéro en virgule flottante");
    // An operator on the emptied display is ignored; 8 and the division still wait.
    EXPECT_EQ(p.presse("+"), "");
    EXPECT_EQ(p.presse("2="), "4");
    EXPECT_EQ(p.presse("0:0="), "0");
    EXPECT_EQ(p.plateforme.erreurs.size(), 1u) << "0 is no first operand: nothing was divided";
    EXPECT_EQ(p.presse("3:0+"), "");
    EXPECT_EQ(p.plateforme.erreurs.size(), 2u);
    EXPECT_EQ(p.presse("1.5="), "2");
}

TEST(Calculette, EffacerRepartDeRien) {
    Poche p;
    p.presse("2+");
    EXPECT_EQ(p.presse("E"), "");
    // Without the reset this would be 2 + 5 + 1.
    EXPECT_EQ(p.presse("5+1="), "6");
    p.presse("9:");
    p.calculette.efface(); // as the reset of the window does
    EXPECT_EQ(p.presse("4+6="), "10");
    // "Effacer" also empties a number being typed.
    EXPECT_EQ(p.presse("12E3"), "3");
}

TEST(Calculette, ToucheDOperationRepetee) {
    Poche p;
    // The second operator replaces the first; the display is not taken twice.
    EXPECT_EQ(p.presse("5+-"), "5");
    EXPECT_EQ(p.presse("3="), "2");
    EXPECT_EQ(p.presse("5+="), "5");
    EXPECT_EQ(p.presse("2+3=="), "5");
    EXPECT_EQ(p.presse("="), "5");
    EXPECT_EQ(p.presse("+1="), "6");
    // "=" as the first operator keeps the number; the next operator goes on from it.
    EXPECT_EQ(p.presse("E7=+3="), "10");
    // A new number after such an "=" is taken as it is.
    EXPECT_EQ(p.presse("E7=9+1="), "10");
}

TEST(Calculette, AffichageInvalide) {
    Poche p;
    EXPECT_EQ(p.presse("4+1..+"), "1..");
    EXPECT_EQ(p.presse("2="), "6");
    EXPECT_EQ(p.presse("E.+"), ".");
    EXPECT_EQ(p.presse("3x2="), "6");
}

TEST(Calculette, ResultatTropGrand) {
    Poche p;
    EXPECT_EQ(p.presse("99999999x99999999="), "");
    ASSERT_EQ(p.plateforme.erreurs.size(), 1u);
    EXPECT_EQ(p.plateforme.erreurs[0], "Résultat trop grand pour la calculette");
    EXPECT_EQ(p.presse("1="), "99999999");
    EXPECT_EQ(p.presse("99999999999999+1="), "100000000000000");
    EXPECT_EQ(p.plateforme.erreurs.size(), 1u);
}

TEST(Calculette, MontrerEtFermerGardentLEtat) {
    Poche p;
    p.presse("7+12");
    p.calculette.fermer->clic();
    EXPECT_FALSE(p.calculette.boite->visible);
    p.calculette.montre();
    EXPECT_TRUE(p.calculette.boite->visible);
    EXPECT_EQ(p.calculette.affichage->caption, "12");
    EXPECT_EQ(p.presse("="), "19");
}
