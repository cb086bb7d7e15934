// A long replay (an opening, an undo, a redo) shows its progress, and the user's cancel leaves
// the family, its log and the window as they were.
#include "app/vidage.h"
#include "history/enregistrement_gen.h"
#include "plateforme_test.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace orvan;
using orvan::test::Session;
namespace fs = std::filesystem;

namespace {

const std::string trois_generations = std::string(ORVAN_TEST_DATA) + "/trois_generations.gen";

// The gene set-up of one gene, then its confirmation again and again: 4 + n lines.
std::vector<std::string> confirmations(std::size_t n) {
    std::vector<std::string> l = {"aleat=27182818", "bitbtn4click", "group_premclick.1",
                                  "bitbtn1click"};
    l.insert(l.end(), n, "bitbtn1click");
    return l;
}

// What the pupil sees besides the family: the file's name under the title, the menus.
std::string fenetre(FenetrePrincipale& f) {
    const Label& nom = *f.coquille.nom_fichier_lu;
    return nom.caption + (nom.visible ? " shown at " : " hidden at ") + std::to_string(nom.left) +
           "," + std::to_string(nom.top) + (f.menus.exercices->enabled ? " exercices" : "") +
           (f.menus.saisie_genotypes->checked ? " genotypes" : "") +
           (f.depart.minuterie_disparition->enabled ? " disparition" : "");
}

struct Fichier {
    fs::path chemin =
        fs::temp_directory_path() / ("orvan_progression_" + std::to_string(::getpid()) + ".gen");
    explicit Fichier(const std::vector<std::string>& lignes) {
        EXPECT_EQ(enregistre_fichier_gen(chemin.string(), lignes), Enregistrement::reussi);
    }
    ~Fichier() { fs::remove(chemin); }
};

} // namespace

// Opening 3000 confirmations over a family, cancelled at the 1000th line: the platform is told
// every 64 lines, so the cancel is seen at line 1024; then the family's own 25 lines are
// replayed, with no cancel button. In both languages.
TEST(Progression, UneOuvertureAnnuleeLaisseLaFamilleCommeElleEtait) {
    struct Cas {
        bool anglais;
        const char *reconstruction, *annuler, *retour;
    };
    for (const Cas& c :
         {Cas{false, "Reconstruction de la famille…", "Annuler", "Retour à la famille d'avant…"},
          Cas{true, "Rebuilding the family…", "Cancel", "Going back to the previous family…"}}) {
        Session s;
        if (c.anglais) s->menus.anglais->clic();
        ASSERT_TRUE(s->historique.ouvre_fichier(trois_generations));
        const std::string famille = etat_json(*s), vue = fenetre(*s);
        const Fichier long_journal(confirmations(2996));

        s.plateforme.progressions.clear();
        s.plateforme.pas_faits.clear();
        s.plateforme.progressions_terminees = 0;
        s.plateforme.annulation_a = 1000;
        EXPECT_FALSE(s->historique.ouvre_fichier(long_journal.chemin.string()));

        EXPECT_EQ(etat_json(*s), famille);
        EXPECT_EQ(fenetre(*s), vue);
        EXPECT_EQ(s.journal().size(), 25u);
        ASSERT_EQ(s.plateforme.progressions.size(), 2u);
        EXPECT_EQ(s.plateforme.progressions[0].texte, c.reconstruction);
        EXPECT_EQ(s.plateforme.progressions[0].annuler, c.annuler);
        EXPECT_EQ(s.plateforme.progressions[0].total, 3000u);
        EXPECT_EQ(s.plateforme.pas_faits[0], 1024u);
        EXPECT_EQ(s.plateforme.progressions[1].texte, c.retour);
        EXPECT_EQ(s.plateforme.progressions[1].annuler, "");
        EXPECT_EQ(s.plateforme.progressions[1].total, 25u);
        EXPECT_EQ(s.plateforme.progressions_terminees, 2);

        // Not cancelled, the same file opens as a family of its own.
        EXPECT_TRUE(s->historique.ouvre_fichier(long_journal.chemin.string()));
        EXPECT_EQ(s.journal().size(), 3000u);
        EXPECT_NE(fenetre(*s), vue);
    }
}

// A line between the seed and the mode choice: no reset makes every replay start from the same
// state, and each shift of the run is undone with a replay of its own, 111 + 110 + … + 12 = 6150
// lines for 100 shifts after 12 lines. A cancel gives back the family, the log and the run of
// shifts.
TEST(Progression, LAnnulationLigneALigneSeBorneEtSAnnule) {
    Session s;
    auto& lignes = s->journal.lignes();
    lignes = {"aleat=31415926",    "ligne d'entre",      "bitbtn4click",       "group_premclick.0",
              "bitbtn1click",      "choix_all(1,left)",  "prem_alleleclick.0", "all_okclick",
              "choix_all(2,left)", "prem_alleleclick.1", "nb_desc=3",          "all_okclick"};
    for (int i = 0; i < 100; ++i)
        lignes.push_back(i % 2 ? "decal_fratrie(0,5)" : "decal_fratrie(0,-3)");
    s->historique.rejoue_journal();
    const std::string famille = etat_json(*s);

    s.plateforme.progressions.clear();
    s.plateforme.annulation_a = 3000;
    s->historique.annuler->clic();
    EXPECT_EQ(etat_json(*s), famille);
    EXPECT_EQ(s.journal().size(), 112u);
    ASSERT_EQ(s.plateforme.progressions.size(), 2u);
    EXPECT_EQ(s.plateforme.progressions[0].total, 6150u);

    s->historique.annuler->clic();
    EXPECT_EQ(s.journal().size(), 12u);
    EXPECT_EQ(s.plateforme.progressions.size(), 3u);
    EXPECT_EQ(s.plateforme.pas_faits.back(), 6144u);
}

// A line before the seed: the seed and the mode choice that follow reset every replay, and the
// run of shifts is undone with one replay, to the family of the log without them.
TEST(Progression, UneLigneAvantLaGraineSAnnuleEnUnRejeu) {
    const std::vector<std::string> debut = {
        "ligne d'avant",      "aleat=31415926",
        "bitbtn4click",       "group_premclick.0",
        "bitbtn1click",       "choix_all(1,left)",
        "prem_alleleclick.0", "all_okclick",
        "choix_all(2,left)",  "prem_alleleclick.1",
        "nb_desc=3",          "all_okclick",
        "decal_fratrie(0,7)", "couleur=(13,14,15,15,15,15,15,15,15,15)"};
    Session attendue;
    attendue->journal.lignes() = debut;
    attendue->historique.rejoue_journal();

    Session s;
    auto& lignes = s->journal.lignes();
    lignes = debut;
    for (int i = 0; i < 1000; ++i)
        lignes.push_back(i % 2 ? "decal_fratrie(0,5)" : "decal_fratrie(0,-3)");
    s->historique.rejoue_journal();
    s.plateforme.progressions.clear();
    s->historique.annuler->clic();
    EXPECT_EQ(s.journal(), debut);
    EXPECT_EQ(etat_json(*s), etat_json(*attendue));
    EXPECT_EQ(fenetre(*s), fenetre(*attendue));
    ASSERT_EQ(s.plateforme.progressions.size(), 1u);
    EXPECT_EQ(s.plateforme.progressions[0].total, debut.size());
}

// "Édition" › "Annuler" and "Rétablir" cancelled: the log and what can be redone stay.
TEST(Progression, AnnulerEtRetablirAnnulesNeChangentRien) {
    Session s;
    ASSERT_TRUE(s->historique.ouvre_fichier(trois_generations));
    for (int i = 0; i < 100; ++i)
        s->couleurs.recolore(true);
    const auto journal = s.journal();
    const std::string famille = etat_json(*s);

    s.plateforme.annulation_a = 64;
    s->menus.annuler_action->clic();
    EXPECT_EQ(s.journal(), journal);
    EXPECT_EQ(etat_json(*s), famille);
    EXPECT_FALSE(s->menus.retablir_action->enabled);

    s->menus.annuler_action->clic();
    EXPECT_EQ(s.journal().size(), journal.size() - 1);
    EXPECT_TRUE(s->menus.retablir_action->enabled);
    const std::string annulee = etat_json(*s);

    s.plateforme.annulation_a = 64;
    s->menus.retablir_action->clic();
    EXPECT_EQ(etat_json(*s), annulee);
    EXPECT_TRUE(s->menus.retablir_action->enabled);
    s->menus.retablir_action->clic();
    EXPECT_EQ(etat_json(*s), famille);
}
