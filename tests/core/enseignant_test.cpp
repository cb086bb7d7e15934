// The command line: teacher mode, and a family named on it opened at start-up.
#include "app/ligne_de_commande.h"
#include "app/vidage.h"
#include "ground/texte.h"
#include "plateforme_test.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvan;
using orvan::test::Session;

namespace {

const std::string un_gene = std::string(ORVAN_TEST_DATA) + "/un_gene.gen";

} // namespace

TEST(LigneDeCommande, LangueEnseignantEtFichier) {
    const auto l = lit_ligne_de_commande({"2", "--enseignant", un_gene});
    EXPECT_EQ(l.langue, Langue::anglais);
    EXPECT_TRUE(l.enseignant);
    EXPECT_EQ(l.fichier, un_gene);
    // The language comes only first; "3" is no path and changes nothing.
    EXPECT_EQ(lit_ligne_de_commande({un_gene, "1"}).langue, std::nullopt);
    EXPECT_EQ(lit_ligne_de_commande({un_gene, "1"}).fichier, un_gene);
    const auto trois = lit_ligne_de_commande({"3"});
    EXPECT_EQ(trois.langue, std::nullopt);
    EXPECT_TRUE(trois.fichier.empty());
    EXPECT_EQ(lit_ligne_de_commande({"classe/famille"}).fichier, "classe/famille");
    EXPECT_EQ(lit_ligne_de_commande({"f.gen"}).fichier, "f.gen");
    // A pipe of the current folder is taken too: its opening says why it gives nothing.
    const auto avant = std::filesystem::current_path();
    std::filesystem::current_path(::testing::TempDir());
    ASSERT_EQ(::mkfifo("tube_orvan", 0600), 0);
    EXPECT_EQ(lit_ligne_de_commande({"tube_orvan"}).fichier, "tube_orvan");
    ::unlink("tube_orvan");
    std::filesystem::current_path(avant);
    // "--bogus" is no family to open: the window is not started for it.
    EXPECT_EQ(option_inconnue({"2", "--enseignant", un_gene}), "");
    EXPECT_EQ(option_inconnue({"--enseignant", "--bogus", "--autre"}), "--bogus");
    EXPECT_EQ(option_inconnue({"-platform", "offscreen"}), "");
}

TEST(Enseignant, LesMenusCachesSeMontrentEtLeChoixDuModeAttend) {
    Session normal;
    EXPECT_FALSE(normal->menus.calculette->visible);
    EXPECT_FALSE(normal->coquille.panneau_mode->visible);

    Session s({10, 20, 30, 400}, {"--enseignant"});
    EXPECT_TRUE(s->menus.calculette->visible);
    EXPECT_TRUE(s->menus.saisie->visible);
    EXPECT_TRUE(s->menus.aide->visible);
    EXPECT_TRUE(s->coquille.panneau_mode->visible);
    EXPECT_FALSE(s->genes.panneau->visible);
    // The founders under the mode panel, then under the gene lists, wait for the choice.
    s->arbre.clic_individu(1, Bouton::gauche);
    s->coquille.bouton_mono->clic();
    s->arbre.clic_individu(2, Bouton::droit);
    EXPECT_EQ(s->arbre.ped.choix_en_cours, 0);
    s->genes.ok->clic();
    for (const std::string& l : s.journal())
        EXPECT_FALSE(contient(l, "choix_all")) << l;
    s->arbre.clic_individu(1, Bouton::gauche);
    EXPECT_EQ(s.journal().back(), "choix_all(1,left)");
}

TEST(Enseignant, ChaqueGeneEtChaquePaire) {
    for (int i = 0; i < 4; ++i) {
        Session s({10, 20, 30, 400}, {"--enseignant"});
        s->coquille.bouton_mono->clic();
        ASSERT_TRUE(s->genes.panneau->visible);
        EXPECT_FALSE(s->coquille.panneau_mode->visible);
        s->genes.premier_gene->selectionne(i);
        s->genes.ok->clic();
        EXPECT_FALSE(s->genes.panneau->visible);
        EXPECT_EQ(s->coquille.titre->caption, s->genes.modele.nom_maladie[i + 1]);
        for (int j = 0; j < 4; ++j) {
            if (j == i) continue;
            Session d({10, 20, 30, 400}, {"--enseignant"});
            d->coquille.bouton_di->clic();
            d->genes.premier_gene->selectionne(i);
            d->genes.second_gene->selectionne(j);
            d->genes.ok->clic();
            EXPECT_EQ(d->genes.modele.nb_genes, 2);
            EXPECT_EQ(d->coquille.titre->caption, d->genes.modele.nom_maladie[i + 1] + " et " +
                                                      d->genes.modele.nom_maladie[j + 1]);
        }
    }
}

// The gene box shows only what stands inside its frame: for one gene the second list, which
// its edge would cut into a broken frame, is not shown.
TEST(Enseignant, LaBoiteDesGenesNeMontreQueCeQuiTientDansSonCadre) {
    for (const bool deux : {false, true}) {
        Session s({10, 20, 30, 400}, {"--enseignant"});
        (deux ? s->coquille.bouton_di : s->coquille.bouton_mono)->clic();
        const Groupe& boite = *s->genes.panneau;
        ASSERT_TRUE(boite.visible);
        int dedans = 0;
        for (const auto& c : s->composants())
            if (c->parent == &boite && c->visible) {
                ++dedans;
                EXPECT_LE(c->left + c->width, boite.width) << c->nom << (deux ? " (2)" : " (1)");
            }
        EXPECT_EQ(dedans, deux ? 4 : 3);
        EXPECT_EQ(s->genes.second_gene->visible, deux);
    }
}

// A family built in teacher mode replays the same without the option, draw for draw.
TEST(Enseignant, UneFamilleDEnseignantSeRejoueSansLOption) {
    for (const bool deux : {false, true}) {
        Session s({9, 8, 7, 600}, {"--enseignant"});
        (deux ? s->coquille.bouton_di : s->coquille.bouton_mono)->clic();
        s->genes.premier_gene->selectionne(1);
        if (deux) s->genes.second_gene->selectionne(2);
        s->genes.ok->clic();
        for (int k = 1; k <= 2; ++k) {
            s->arbre.clic_individu(k, Bouton::gauche);
            s->phenotypes.premier_phenotype->selectionne(k - 1);
            if (deux) s->phenotypes.second_phenotype->selectionne(0);
            s->phenotypes.ok->clic();
        }
        s->arbre.clic_individu(3, Bouton::gauche);
        s->phenotypes.premier_phenotype->selectionne(2);
        if (deux) s->phenotypes.second_phenotype->selectionne(1);
        s->phenotypes.ok->clic();
        ASSERT_GT(s->famille.nb_unions(), 1);

        Session normal;
        normal->journal.lignes() = s->journal.lignes();
        normal->historique.rejoue_journal();
        EXPECT_EQ(etat_json(*normal), etat_json(*s)) << (deux ? "deux gènes" : "un gène");
    }
}

TEST(LigneDeCommande, UneFamilleNommeeSOuvreAuDemarrage) {
    Session s({10, 20, 30, 400}, {un_gene});
    Session ouverte;
    ASSERT_TRUE(ouverte->historique.ouvre_fichier(un_gene));
    EXPECT_EQ(etat_json(*s), etat_json(*ouverte));
    EXPECT_TRUE(s->coquille.nom_fichier_lu->visible);

    // "Caractère" runs the start-up again: the family is not opened a second time.
    s.plateforme.reponses.push_back(true);
    s->menus.caractere->clic();
    s->coquille.minuterie_demarrage->tic();
    EXPECT_EQ(s->journal.lignes().size(), 4u);
}
