// A replay depends only on its log: opening a family, pressing "lancer" again and undoing a line
// all give the family that a fresh opening of the same lines gives.
#include "app/vidage.h"
#include "ground/texte.h"
#include "plateforme_test.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace orvan;
using orvan::test::Session;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> familles_enregistrees() {
    std::vector<std::string> r;
    for (const auto& e : fs::directory_iterator(ORVAN_TEST_DATA))
        if (e.path().extension() == ".gen") r.push_back(e.path().string());
    std::sort(r.begin(), r.end());
    return r;
}

// The whole state that a dump shows, after the lines have been replayed in a new window.
std::string famille_de(const std::vector<std::string>& lignes) {
    Session s;
    s->journal.lignes() = lignes;
    s->historique.rejoue_journal();
    return etat_json(*s);
}

// A log of a pupil's session drawn from the program's own generator: founders, spouses, numbers
// of children, cancels, right clicks, shifts and colours, in any order.
std::vector<std::string> journal_au_hasard(std::uint32_t graine) {
    Generateur g{graine};
    std::vector<std::string> l = {"aleat=" + std::to_string(graine % 100000), "bitbtn4click",
                                  "group_premclick." + std::to_string(g.tirage_alea(4)),
                                  "bitbtn1click"};
    for (int i = 0; i < 40; ++i) {
        const std::string k = std::to_string(1 + g.tirage_alea(12));
        switch (g.tirage_alea(9)) {
        case 0:
        case 1:
            l.push_back("choix_all(" + k + ",left)");
            break;
        case 2:
            l.push_back("choix_all(" + k + ",right)");
            break;
        case 3:
            l.push_back("prem_alleleclick." + std::to_string(g.tirage_alea(3)));
            break;
        case 4:
            l.push_back("nb_desc=" + std::to_string(g.tirage_alea(6)));
            break;
        case 5:
            l.push_back("all_okclick");
            break;
        case 6:
            l.push_back(g.tirage_alea(2) ? "all_annulclick" : "bitbtn7click");
            break;
        case 7:
            l.push_back("decal_fratrie(" + std::to_string(g.tirage_alea(3)) + "," +
                        std::to_string(static_cast<int>(g.tirage_alea(81)) - 40) + ")");
            break;
        default:
            l.push_back("couleur=(1,2,3,4,5,6,7,8,9," + std::to_string(1 + g.tirage_alea(16)) +
                        ")");
        }
    }
    return l;
}

void verifie_stable(const std::vector<std::string>& lignes, const std::string& nom) {
    Session s;
    s->journal.lignes() = lignes;
    s->historique.rejoue_journal();
    const std::string premiere = etat_json(*s);
    s->historique.lancer->clic();
    EXPECT_EQ(etat_json(*s), premiere) << nom << ": a second \"lancer\"";
    s->historique.lancer->clic();
    EXPECT_EQ(etat_json(*s), premiere) << nom << ": a third \"lancer\"";
    if (lignes.size() < 2) return;

    // The lines left by an undo, replayed in a new window.
    s->historique.annuler->clic();
    const auto restantes = s->journal.lignes();
    EXPECT_EQ(etat_json(*s), famille_de(restantes)) << nom << ": an undo";
}

} // namespace

TEST(RejeuStable, FamillesEnregistrees) {
    const auto familles = familles_enregistrees();
    ASSERT_GE(familles.size(), 6u);
    for (const auto& chemin : familles) {
        Session s;
        ASSERT_TRUE(s->historique.ouvre_fichier(chemin)) << chemin;
        verifie_stable(s->journal.lignes(), chemin);
    }
}

TEST(RejeuStable, JournauxAuHasard) {
    for (std::uint32_t graine = 1; graine <= 300; ++graine)
        verifie_stable(journal_au_hasard(graine * 7919), "graine " + std::to_string(graine));
}

// Right-click the woman founder and cancel, then click the man founder and cancel: he stays a
// man, in the window and in any replay of these lines.
TEST(RejeuStable, UneAnnulationRendLeContourDeLOuverture) {
    const std::vector<std::string> lignes = {
        "aleat=5",           "bitbtn4click",       "group_premclick.0",
        "bitbtn1click",      "choix_all(2,right)", "bitbtn7click",
        "choix_all(1,left)", "all_annulclick"};
    Session s;
    s->arbre.clic_individu(2, Bouton::droit);
    s->alleles.annuler->clic();
    s->arbre.clic_individu(1, Bouton::gauche);
    s->phenotypes.annuler->clic();
    EXPECT_EQ(s->arbre.tab_shape[1]->contour, Contour::carre);
    EXPECT_EQ(s->arbre.tab_shape[2]->contour, Contour::cercle);

    s->journal.lignes() = lignes;
    s->historique.rejoue_journal();
    EXPECT_EQ(s->arbre.tab_shape[1]->contour, Contour::carre);
    EXPECT_EQ(s->arbre.tab_shape[2]->contour, Contour::cercle);
}

// A replayed click on an individual that is not shown (only a file can hold one) opens nothing
// and places no spouse.
TEST(RejeuStable, UnClicSurUnIndividuCacheEstIgnore) {
    Session s;
    s->journal.lignes().push_back("choix_all(9,left)");
    s->historique.rejoue_journal();
    EXPECT_EQ(s->arbre.ped.choix_en_cours, 0);
    EXPECT_FALSE(s->phenotypes.panneau->visible);
    EXPECT_FALSE(s->arbre.tab_shape[9]->visible);
}

// One undo of a run of shifts replays once; the family is the one that removing the lines one
// at a time, with a replay after each, gives.
TEST(RejeuStable, UneAnnulationDeDecalagesRejoueUneFois) {
    for (const auto& chemin : familles_enregistrees()) {
        Session s;
        ASSERT_TRUE(s->historique.ouvre_fichier(chemin));
        auto& lignes = s->journal.lignes();
        for (int i = 0; i < 50; ++i)
            lignes.push_back("decal_fratrie(" + std::to_string(i % 3) + ",7)");
        const auto avec_decalages = lignes;

        s->historique.annule_derniere_action();
        EXPECT_LE(lignes.size(), avec_decalages.size() - 50) << chemin;
        EXPECT_TRUE(lignes.empty() || !contient(lignes.back(), "decal_fratrie")) << chemin;

        // The run ends where the family's own lines stop being shifts.
        Session une_a_une;
        auto& restantes = une_a_une->journal.lignes();
        restantes = avec_decalages;
        while (!restantes.empty() && contient(restantes.back(), "decal_fratrie")) {
            restantes.pop_back();
            une_a_une->historique.rejoue_journal();
        }
        EXPECT_EQ(etat_json(*s), etat_json(*une_a_une)) << chemin;
    }
}

// A sex chosen in the change panel and then cancelled is cancelled too, with or without
// descendants, by the mouse and in the replay.
TEST(RejeuStable, AnnulerUnChangementDeSexeRendLeCarre) {
    for (const bool avec_enfants : {false, true}) {
        Session s;
        if (avec_enfants)
            for (int k = 1; k <= 2; ++k) {
                s->arbre.clic_individu(k, Bouton::gauche);
                s->phenotypes.premier_phenotype->selectionne(0);
                s->phenotypes.ok->clic();
            }
        const int dernier = s->famille.dernier_indiv();
        s->arbre.clic_individu(1, Bouton::droit);
        s->genotypes.sexe->selectionne(1);
        // Founders stay a man and a woman: before the crossing the other founder turns too;
        // once both are set, the choice is neither offered nor taken.
        EXPECT_EQ(s->genotypes.sexe->enabled, !avec_enfants);
        EXPECT_EQ(s->arbre.tab_shape[1]->contour, avec_enfants ? Contour::carre : Contour::cercle);
        EXPECT_EQ(s->arbre.tab_shape[2]->contour, avec_enfants ? Contour::cercle : Contour::carre);
        s->genotypes.annuler->clic();
        EXPECT_EQ(s->arbre.tab_shape[1]->contour, Contour::carre) << avec_enfants;
        EXPECT_EQ(s->arbre.tab_shape[2]->contour, Contour::cercle) << avec_enfants;
        // While only the founders exist, the shared cancel leaves the count one higher.
        EXPECT_EQ(s->famille.dernier_indiv(), dernier + (avec_enfants ? 0 : 1)) << avec_enfants;
        EXPECT_EQ(etat_json(*s), famille_de(s->journal.lignes())) << avec_enfants;
    }
}
