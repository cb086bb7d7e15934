// The allele frequencies that a teacher sets for "Dans la population": how they are read and
// written, and what they change on the pedigree.
#include "app/fenetre_principale.h"
#include "plateforme_test.h"
#include "probabilites/frequences_texte.h"

#include <gtest/gtest.h>

namespace orvan::test {
namespace {

TEST(FrequencesDesAlleles, LuesEtEcritesCommeUnEnseignantLesEcrit) {
    const struct {
        std::string texte;
        std::optional<Rationnel> lue;
    } cas[] = {
        {"0,08", Rationnel(2, 25)},     {" 0.08 ", Rationnel(2, 25)}, {"8 %", Rationnel(2, 25)},
        {"2/25", Rationnel(2, 25)},     {"1", Rationnel(1)},          {",5", Rationnel(1, 2)},
        {"1/5000", Rationnel(1, 5000)}, {"", std::nullopt},           {"abc", std::nullopt},
        {"1/0", std::nullopt},          {"-0,1", std::nullopt},       {"0,0,1", std::nullopt},
        {"1e-3", std::nullopt},         {"%", std::nullopt},
    };
    for (const auto& c : cas)
        EXPECT_EQ(lit_frequence(c.texte), c.lue) << c.texte;
    EXPECT_EQ(ecrit_frequence(Rationnel(2, 25), Langue::francais), "0,08");
    EXPECT_EQ(ecrit_frequence(Rationnel(1, 5000), Langue::anglais), "0.0002");
    EXPECT_EQ(ecrit_frequence(Rationnel(1, 3), Langue::francais), "1/3");
    EXPECT_EQ(ecrit_frequence(Rationnel(1), Langue::francais), "1");
    // Kept between sessions as text: read back the same; a line that no longer adds up to 1,
    // or that cannot be read, is dropped.
    const std::map<std::string, FrequencesGene> f = {
        {"Daltonisme d", {{"XD", Rationnel(9, 10)}, {"Xd", Rationnel(1, 10)}}},
        {"Groupes ABO", {{"A", Rationnel(1, 3)}, {"B", Rationnel(1, 3)}, {"O", Rationnel(1, 3)}}}};
    EXPECT_EQ(frequences_du_texte(frequences_en_texte(f)), f);
    EXPECT_EQ(frequences_du_texte(frequences_en_texte(f) + "Hémophilie h\tXH=1/2\tXh=1/3\n" +
                                  "Facteur rhésus rh+ rh-\tRh+=x\tRh-=1\n"),
              f);
}

// A woman [D] who married into the family and has no children: carrier with probability
// 2pq / (p² + 2pq) = 2q / (1 + q), 4/27 with the program's q = 0.08 and 2/11 with q = 0.1.
TEST(FrequencesDesAlleles, UnEnseignantLesChangeEtLaProbabiliteSuitLeCalculALaMain) {
    Session s;
    ASSERT_TRUE(s->historique.ouvre_fichier(std::string(ORVAN_TEST_DATA) + "/onze_unions.gen"));
    s->menus.probabilites->clic();
    s->menus.dans_la_population->clic();
    s->actualise_probabilites();
    const Label& conjointe = *s->probabilites.textes[37];
    EXPECT_EQ(conjointe.caption, "porteuse : 4/27 (15 %)");

    // A text that is no number, then a sum of 1.1 that the teacher does not want brought back
    // to 1, then 9 and 1, brought back to 0.9 and 0.1.
    s.plateforme.formulaires_remplis = {{"0,9", "un dixième"}, {"0,9", "0,2"}, {"9", "1"}};
    s.plateforme.reponses = {false, true};
    s->menus.frequences->clic();
    ASSERT_EQ(s.plateforme.formulaires.size(), 1u);
    const DemandeFormulaire& d = s.plateforme.formulaires[0];
    ASSERT_EQ(d.groupes.size(), 1u);
    ASSERT_EQ(d.groupes[0].champs.size(), 2u);
    EXPECT_EQ(d.groupes[0].champs[1].libelle, "Xd");
    EXPECT_EQ(d.groupes[0].champs[1].texte, "0,08");
    EXPECT_EQ(d.groupes[0].champs[1].par_defaut, "0,08");
    ASSERT_EQ(s.plateforme.avertissements.size(), 1u);
    EXPECT_NE(s.plateforme.avertissements[0].find("« un dixième »"), std::string::npos);
    ASSERT_EQ(s.plateforme.questions.size(), 2u);
    EXPECT_NE(s.plateforme.questions[0].find("font 1,1 en tout"), std::string::npos);
    s->actualise_probabilites();
    EXPECT_EQ(conjointe.caption, "porteuse : 2/11 (18 %)");

    // The dialog opens on the teacher's values; "Valeurs par défaut" gives the program's back.
    s.plateforme.formulaires_remplis = {{"0,92", "0,08"}};
    s->menus.frequences->clic();
    EXPECT_EQ(s.plateforme.formulaires[1].groupes[0].champs[1].texte, "0,1");
    s->actualise_probabilites();
    EXPECT_EQ(conjointe.caption, "porteuse : 4/27 (15 %)");
}

} // namespace
} // namespace orvan::test
