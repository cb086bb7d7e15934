// Nothing a pupil does is lost: a changed family is saved or given up knowingly, its log is kept
// in a recovery copy until then, and the redo list never carries another family's lines.
#include "app/vidage.h"
#include "famille_test.h"
#include "history/copie_secours.h"
#include "history/fichier_gen.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace orvan;
using namespace orvan::test;
namespace fs = std::filesystem;

namespace {

const std::string question_enregistrer =
    "Cette famille a changé depuis son ouverture ou son dernier enregistrement.\r"
    "Voulez-vous l'enregistrer\u00a0?";
const std::string trois_generations = std::string(ORVAN_TEST_DATA) + "/trois_generations.gen";

struct Dossier {
    fs::path chemin = fs::temp_directory_path() /
                      ("orvan_secours_" + std::to_string(::getpid()) + "_" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Dossier() { fs::remove_all(chemin); }
    ~Dossier() { fs::remove_all(chemin); }
    std::vector<fs::path> fichiers() const {
        std::vector<fs::path> r;
        if (fs::exists(chemin))
            for (const auto& e : fs::directory_iterator(chemin))
                r.push_back(e.path());
        return r;
    }
};

void deux_fondateurs(Session& s) {
    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 1);
}

struct Sortie {
    const char* nom;
    std::function<void(Session&)> geste;
    // The family was left: the program went on with what the user asked.
    std::function<bool(Session&)> partie;
};

const std::vector<Sortie> sorties = {
    {"Quitter", [](Session& s) { s->menus.quitter->clic(); },
     [](Session& s) { return !s->visible; }},
    {"fermeture", [](Session& s) { s->on_close(); }, [](Session& s) { return !s->visible; }},
    {"Ouvrir", [](Session& s) { s->menus.ouvrir->clic(); },
     [](Session& s) { return !s.plateforme.repertoires_ouverture.empty(); }},
    {"Autre famille", [](Session& s) { s->menus.autre_famille->clic(); },
     [](Session& s) { return s->famille.dernier_indiv() == 0; }},
    {"Caractère", [](Session& s) { s->menus.caractere->clic(); },
     [](Session& s) { return s->coquille.minuterie_demarrage->enabled; }},
};

} // namespace

TEST(FamilleNonEnregistree, ChaqueSortieDemandeEtAnnulerGardeLaFamille) {
    for (const Sortie& sortie : sorties) {
        Session s;
        deux_fondateurs(s);
        const auto journal = s.journal();
        s.plateforme.reponses_trois = {ReponseTrois::annule};
        sortie.geste(s);
        ASSERT_EQ(s.plateforme.questions.size(), 1u) << sortie.nom;
        EXPECT_EQ(s.plateforme.questions[0], question_enregistrer) << sortie.nom;
        EXPECT_EQ(s.plateforme.boites[0].boutons,
                  (std::vector<std::string>{"Enregistrer", "Ne pas enregistrer", "Annuler"}));
        EXPECT_FALSE(sortie.partie(s)) << sortie.nom;
        EXPECT_EQ(s.journal(), journal) << sortie.nom;

        // "Enregistrer" whose save dialog is cancelled saves nothing and leaves nothing.
        s.plateforme.reponses_trois = {ReponseTrois::accepte};
        sortie.geste(s);
        EXPECT_FALSE(sortie.partie(s)) << sortie.nom;

        s.plateforme.reponses_trois = {ReponseTrois::refuse};
        sortie.geste(s);
        EXPECT_TRUE(sortie.partie(s)) << sortie.nom;
        EXPECT_EQ(s.plateforme.questions.size(), 3u) << sortie.nom;
    }
}

TEST(FamilleNonEnregistree, EnregistrerPuisQuitter) {
    Dossier d;
    fs::create_directories(d.chemin);
    Session s;
    deux_fondateurs(s);
    s.plateforme.reponses_trois = {ReponseTrois::accepte};
    s.plateforme.fichiers_a_enregistrer = {(d.chemin / "eleve.gen").string()};
    s->menus.quitter->clic();
    EXPECT_FALSE(s->visible);
    EXPECT_EQ(lit_fichier_gen((d.chemin / "eleve.gen").string()), s.journal());
}

// Nothing to lose, nothing asked: a new window, a family as its file holds it, a family saved,
// a family undone and redone back to its file.
TEST(FamilleNonEnregistree, UneFamilleInchangeeNeDemandeRien) {
    Dossier d;
    fs::create_directories(d.chemin);
    const auto quitte_sans_question = [](Session& s) {
        s->menus.quitter->clic();
        EXPECT_TRUE(s.plateforme.questions.empty());
        EXPECT_FALSE(s->visible);
    };
    {
        Session s;
        quitte_sans_question(s);
    }
    {
        Session s;
        ASSERT_TRUE(s->historique.ouvre_fichier(trois_generations));
        s->historique.annule_action();
        s->historique.retablit_action();
        quitte_sans_question(s);
    }
    {
        Session s;
        deux_fondateurs(s);
        s.plateforme.fichiers_a_enregistrer = {(d.chemin / "f.gen").string()};
        s->menus.enregistrer->clic();
        quitte_sans_question(s);
    }
}

// An undo before an opening: "Rétablir" must not append the old family's action to the file's.
TEST(FamilleNonEnregistree, OuvrirVideLaListeARetablir) {
    Session s;
    deux_fondateurs(s);
    s->menus.annuler_action->clic();
    ASSERT_TRUE(s->menus.retablir_action->enabled);
    s.plateforme.fichiers_a_ouvrir = {trois_generations};
    s->menus.ouvrir->clic();
    EXPECT_FALSE(s->menus.retablir_action->enabled);
    s->historique.retablit_action();
    EXPECT_EQ(s.journal(), lit_fichier_gen(trois_generations).lignes);

    // A new family, by "Autre famille", forgets them too.
    s->menus.annuler_action->clic();
    s->menus.autre_famille->clic();
    EXPECT_FALSE(s->menus.retablir_action->enabled);
}

// The copy follows the log, and a program that ended without saving leaves it to the next start,
// which rebuilds the very family.
TEST(CopieSecours, UneFamillePerdueRevientAuDemarrageSuivant) {
    Dossier d;
    const auto dans_le_dossier = [&](PlateformeTest& p) { p.dossier = d.chemin.string(); };
    std::vector<std::string> journal;
    std::string etat;
    {
        Session s(dans_le_dossier);
        EXPECT_TRUE(d.fichiers().empty());
        deux_fondateurs(s);
        s->arbre.decale_fratrie(0, 30);
        ASSERT_EQ(d.fichiers().size(), 1u);
        EXPECT_EQ(lit_fichier_gen(d.fichiers()[0].string()), s.journal());
        s->historique.annule_derniere_action();
        EXPECT_EQ(lit_fichier_gen(d.fichiers()[0].string()), s.journal());
        journal = s.journal();
        etat = etat_json(*s);
        // A second window of the same program keeps its own copy and offers none.
        Session autre(dans_le_dossier);
        EXPECT_TRUE(autre.plateforme.questions.empty());
        donne_phenotypes(autre, 1, 1);
        EXPECT_EQ(d.fichiers().size(), 2u);
        autre->menus.quitter->clic();
        EXPECT_EQ(d.fichiers().size(), 1u);
    } // the program stops without a word

    Session s([&](PlateformeTest& p) {
        dans_le_dossier(p);
        p.reponses_trois = {ReponseTrois::accepte};
    });
    ASSERT_EQ(s.plateforme.questions.size(), 1u);
    EXPECT_NE(s.plateforme.questions[0].find("Voulez-vous la reprendre"), std::string::npos);
    EXPECT_EQ(s.plateforme.boites[0].boutons,
              (std::vector<std::string>{"Reprendre", "Abandonner", "Plus tard"}));
    EXPECT_EQ(s.journal(), journal);
    EXPECT_EQ(etat_json(*s), etat);
    // Taken back, it is this window's unsaved family, in this window's copy.
    ASSERT_EQ(d.fichiers().size(), 1u);
    EXPECT_TRUE(copies_laissees(d.chemin.string()).empty());
    s.plateforme.reponses_trois = {ReponseTrois::refuse};
    s->menus.quitter->clic();
    EXPECT_TRUE(d.fichiers().empty());
}

TEST(CopieSecours, PlusTardLaGardeAbandonnerLaSupprime) {
    Dossier d;
    {
        Session s([&](PlateformeTest& p) { p.dossier = d.chemin.string(); });
        deux_fondateurs(s);
    }
    for (const ReponseTrois r : {ReponseTrois::annule, ReponseTrois::refuse}) {
        Session s([&](PlateformeTest& p) {
            p.dossier = d.chemin.string();
            p.reponses_trois = {r};
        });
        EXPECT_EQ(s.plateforme.questions.size(), 1u);
        EXPECT_EQ(s->famille.dernier_indiv(), 0);
        EXPECT_EQ(d.fichiers().size(), r == ReponseTrois::annule ? 1u : 0u);
    }
}

TEST(CopieSecours, UneCopieEndommageeEstMiseDeCote) {
    Dossier d;
    fs::create_directories(d.chemin);
    const fs::path copie = d.chemin / "famille-1-0.gen";
    std::ofstream(copie) << "choix_all(1,left)\n";
    Session s([&](PlateformeTest& p) { p.dossier = d.chemin.string(); });
    EXPECT_TRUE(s.plateforme.questions.empty());
    ASSERT_EQ(s.plateforme.avertissements.size(), 1u);
    EXPECT_NE(s.plateforme.avertissements[0].find("endommagée"), std::string::npos);
    EXPECT_FALSE(fs::exists(copie));
    EXPECT_TRUE(fs::exists(copie.string() + ".endommagee"));
    EXPECT_EQ(s.journal().size(), 4u);
}
