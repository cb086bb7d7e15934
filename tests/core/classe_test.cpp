// The teacher's view of a class: pupils scripted as a lesson would see them, their files saved
// in one folder with a foreign file, then the table read back from the folder.
#include "app/recolte.h"
#include "app/vidage.h"
#include "famille_test.h"
#include "history/enregistrement_gen.h"
#include "history/evenement.h"
#include "app/classe.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace orvan;
using namespace orvan::test;

namespace {

namespace fs = std::filesystem;

// The pupil's answers typed into the question window, then "OK".
std::function<void()> repond(Session& s, const std::string& reponse) {
    return [&s, reponse] {
        s->interro.dialogue.reponse1->caption = reponse;
        s->interro.dialogue.ok->clic();
    };
}

std::function<void()> clic(BoutonGlyphe* bouton) {
    return [bouton] { bouton->clic(); };
}

// Asks individual k's genotype, the pupil doing `gestes` in the question window.
void demande(Session& s, int k, std::deque<std::function<void()>> gestes) {
    s.plateforme.gestes_modaux = std::move(gestes);
    s->arbre.tab_shape[k]->on_mouse_down(Bouton::gauche, 1, 1);
}

std::string genotype(Session& s, int k) {
    return s->famille.individu(k).genotype(1).texte();
}

// Founders of three children; every true statement on colour blindness ticked and only those,
// marked; individual 1 asked and answered wrong. The answers panel stays open.
std::vector<std::string> alice() {
    Session s;
    s->phenotypes.nb_descendants->choix_utilisateur(2);
    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 0);
    s->menus.exercice_alleles->clic();
    for (int i = 1; i <= s->genes.modele.nb_relations[1]; ++i)
        if (s->genes.modele.etat_relation[1][i] == EtatEnonce::faux)
            s->alleles.case_relation[1][i]->coche(false);
    s->alleles.ok->clic();
    s->menus.exercice_genotypes->clic();
    demande(s, 1, {repond(s, "A,O"), clic(s->interro.dialogue.annuler)});
    return s.journal();
}

// Four children, the third married with two children; the statements marked all ticked, the
// panel closed; individual 4 answered right, individual 5 asked and left.
std::vector<std::string> bruno() {
    Session s;
    s->phenotypes.nb_descendants->choix_utilisateur(3);
    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 0);
    s->phenotypes.nb_descendants->choix_utilisateur(1);
    donne_phenotypes(s, 3, 0);
    s->menus.exercice_alleles->clic();
    s->alleles.ok->clic();
    s->alleles.annuler->clic();
    s->menus.exercice_genotypes->clic();
    const InterroGenotype& d = s->interro.dialogue;
    demande(s, 4, {repond(s, genotype(s, 4)), clic(d.autre)});
    demande(s, 5, {clic(d.annuler)});
    return s.journal();
}

// Only the first founder chosen.
std::vector<std::string> chloe() {
    Session s;
    donne_phenotypes(s, 1, 0);
    return s.journal();
}

class Classe : public testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dossier);
        ASSERT_EQ(enregistre_fichier_gen(dossier + "/alice.gen", alice()), Enregistrement::reussi);
        ASSERT_EQ(enregistre_fichier_gen(dossier + "/bruno.gen", bruno()), Enregistrement::reussi);
        ASSERT_EQ(enregistre_fichier_gen(dossier + "/chloe.gen", chloe()), Enregistrement::reussi);
        std::ofstream(dossier + "/lettre.gen") << "Bonjour, voici mon travail.\r\n";
    }
    void TearDown() override { fs::remove_all(dossier); }

    const std::string dossier =
        (fs::temp_directory_path() / ("orvan_classe_" + std::to_string(::getpid()))).string();
};

} // namespace

TEST_F(Classe, LesElevesEtLeursReponsesDonnentLeTableau) {
    const std::string absent = dossier + "/absent/dupont.gen";
    const RecolteClasse r = Recolteur().classe({dossier, absent});
    // Colour blindness: six statements, two of them true.
    const std::vector<EleveReleve> attendus = {
        {dossier + "/alice.gen", "alice", {"Daltonisme d"}, 5, 2, 6, 2, 6, 0, {1, 0, 1}, true},
        {dossier + "/bruno.gen", "bruno", {"Daltonisme d"}, 9, 3, 6, 6, 2, 4, {2, 1, 0}, false},
        {dossier + "/chloe.gen", "chloe", {"Daltonisme d"}, 1, 1, 6, 6, 0, 0, {0, 0, 0}, false},
    };
    EXPECT_EQ(r.eleves, attendus);
    ASSERT_EQ(r.ecartes.size(), 2u);
    EXPECT_EQ(r.ecartes[0].chemin, dossier + "/lettre.gen");
    EXPECT_EQ(r.ecartes[0].raison.francais,
              "Ce fichier n'est pas une famille : il n'a pas de graine du tirage");
    EXPECT_EQ(r.ecartes[1].chemin, absent);

    // Alice: 6 "bien" out of 6 statements and 1 question: 85.7 %; Bruno: 2 + 1 out of 6 + 2.
    EXPECT_EQ(csv_de_la_classe(r.eleves, Langue::francais),
              "\xEF\xBB\xBF"
              "Élève;Gènes;Individus;Générations;3e génération;Énoncés;Cochés;Bien;Faux;"
              "Génotypes demandés;Réponses justes;Réponses fausses;Score (%)\r\n"
              "alice;Daltonisme d;5;2;non;6;2;6;0;1;0;1;85,7\r\n"
              "bruno;Daltonisme d;9;3;oui;6;6;2;4;2;1;0;37,5\r\n"
              "chloe;Daltonisme d;1;1;non;6;6;0;0;0;0;0;\r\n");
    EXPECT_EQ(csv_de_la_classe({r.eleves[1]}, Langue::anglais),
              "\xEF\xBB\xBF"
              "Pupil,Genes,Individuals,Generations,3rd generation,Statements,Ticked,Marked right,"
              "Marked wrong,Genotypes asked,Right answers,Wrong answers,Score (%)\r\n"
              "bruno,Colour blindness,9,3,yes,6,6,2,4,2,1,0,37.5\r\n");
}

TEST_F(Classe, LesQuestionsNeChangentNiLaFamilleNiLesTirages) {
    const std::vector<std::string> avec = bruno();
    std::vector<std::string> sans;
    std::copy_if(avec.begin(), avec.end(), std::back_inserter(sans),
                 [](const std::string& l) { return !ligne_contient<ev::QuestionGenotype>(l); });
    ASSERT_EQ(avec.size(), sans.size() + 3);
    const auto rejoue = [](const std::vector<std::string>& lignes) {
        Session s;
        s->journal.lignes() = lignes;
        s->historique.rejoue_journal();
        auto etat = nlohmann::json::parse(etat_json(*s));
        etat.erase("evenements");
        return etat;
    };
    EXPECT_EQ(rejoue(avec), rejoue(sans));
}
