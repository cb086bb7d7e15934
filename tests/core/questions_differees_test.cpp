// Every question the program asks goes on from its answer, whenever the answer comes: as a page
// in a browser answers, each question returns at once and the family waits, unchanged, until
// the answer is given.
#include "app/fenetre_principale.h"
#include "plateforme_test.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvan::test {
namespace {

const std::string trois_generations = std::string(ORVAN_TEST_DATA) + "/trois_generations.gen";

// A family of sixteen, from its file, then questions answered later.
struct SessionDifferee : Session {
    SessionDifferee() {
        EXPECT_TRUE(f->historique.ouvre_fichier(trois_generations));
        plateforme.plus_tard = true;
    }
};

TEST(QuestionsDifferees, AutreFamilleAttendLaReponse) {
    SessionDifferee s;
    const std::vector<std::string> journal = s.journal();
    s->menus.autre_famille->clic();
    ASSERT_EQ(s.plateforme.questions_en_attente.size(), 1u);
    EXPECT_EQ(s->famille.dernier_indiv(), 16);
    PlateformeTest::donne(s.plateforme.questions_en_attente, false);
    EXPECT_EQ(s->famille.dernier_indiv(), 16);
    EXPECT_EQ(s.journal(), journal);

    s->menus.autre_famille->clic();
    PlateformeTest::donne(s.plateforme.questions_en_attente, true);
    EXPECT_EQ(s->famille.nb_unions(), 0);
    EXPECT_LT(s.journal().size(), journal.size());
}

TEST(QuestionsDifferees, OuvrirEtEnregistrerAttendentLeFichier) {
    Session s;
    s.plateforme.plus_tard = true;
    s->menus.ouvrir->clic();
    ASSERT_EQ(s.plateforme.fichiers_en_attente.size(), 1u);
    EXPECT_EQ(s->famille.nb_unions(), 0);
    PlateformeTest::donne(s.plateforme.fichiers_en_attente, CheminChoisi{trois_generations});
    EXPECT_EQ(s->famille.dernier_indiv(), 16);

    const auto chemin = std::filesystem::temp_directory_path() / "questions_differees.gen";
    std::filesystem::remove(chemin);
    s->menus.enregistrer->clic();
    EXPECT_FALSE(std::filesystem::exists(chemin));
    PlateformeTest::donne(s.plateforme.fichiers_en_attente, CheminChoisi{chemin.string()});
    std::ifstream lu(chemin);
    std::stringstream ecrit;
    ecrit << lu.rdbuf();
    std::string attendu;
    for (const std::string& l : s.journal())
        attendu += l + "\r\n";
    EXPECT_EQ(ecrit.str(), attendu);
    std::filesystem::remove(chemin);
}

// The print window stays up over its background until it closes; then the start picture and
// the window come back as they stood.
TEST(QuestionsDifferees, LImpressionAttendQueSaFenetreSeFerme) {
    SessionDifferee s;
    const bool depart_visible = s->depart.image->visible;
    s->menus.imprimer->clic();
    ASSERT_EQ(s.plateforme.modales_en_attente.size(), 1u);
    EXPECT_TRUE(s->impression.fenetre.visible);
    EXPECT_TRUE(s->depart.fond_impression->visible);
    PlateformeTest::donne(s.plateforme.modales_en_attente);
    EXPECT_FALSE(s->impression.fenetre.visible);
    EXPECT_FALSE(s->depart.fond_impression->visible);
    EXPECT_EQ(s->depart.image->visible, depart_visible);
}

// Frequencies that add up to 1.1: the form waits for its OK, then its verdict waits for the
// question about the sum; brought back to 1, 0.9 and 0.2 are 9/11 and 2/11.
TEST(QuestionsDifferees, LeFormulaireEtSaQuestionAttendentChacunLeurReponse) {
    SessionDifferee s;
    s.plateforme.formulaires_remplis = {{"0,9", "0,2"}};
    s->menus.frequences->clic();
    ASSERT_EQ(s.plateforme.formulaires_en_attente.size(), 1u);
    PlateformeTest::donne(s.plateforme.formulaires_en_attente);
    ASSERT_EQ(s.plateforme.questions_en_attente.size(), 1u);
    EXPECT_EQ(s->probabilites.frequences.count("Daltonisme d"), 1u);
    EXPECT_NE(s->probabilites.frequences.at("Daltonisme d").at("XD"), mpq_class(9, 11));
    PlateformeTest::donne(s.plateforme.questions_en_attente, true);
    const FrequencesGene& f = s->probabilites.frequences.at("Daltonisme d");
    EXPECT_EQ(f.at("XD"), mpq_class(9, 11));
    EXPECT_EQ(f.at("Xd"), mpq_class(2, 11));
}

} // namespace
} // namespace orvan::test
