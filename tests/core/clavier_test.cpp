#include "app/clavier.h"
#include "famille_test.h"

#include <gtest/gtest.h>

using namespace orvan;
using namespace orvan::test;

namespace {

void touche(Session& s, int code) {
    s->on_key_down(code);
}

} // namespace

TEST(Clavier, EchapSurLePanneauDesPhenotypesEcritCommeLaSouris) {
    Session clavier, souris;
    clavier->arbre.clic_individu(1, Bouton::gauche);
    souris->arbre.clic_individu(1, Bouton::gauche);
    touche(clavier, touche_echap);
    souris->phenotypes.annuler->clic();
    EXPECT_EQ(clavier.journal().back(), "all_annulclick");
    EXPECT_EQ(clavier.journal(), souris.journal());
    EXPECT_FALSE(clavier->phenotypes.panneau->visible);
}

TEST(Clavier, EntreeSansPhenotypeChoisiNeFaitRienPuisConfirme) {
    Session clavier, souris;
    clavier->arbre.clic_individu(1, Bouton::gauche);
    const auto journal = clavier.journal();
    touche(clavier, touche_entree);
    EXPECT_EQ(clavier.journal(), journal);
    EXPECT_TRUE(clavier->phenotypes.panneau->visible);

    clavier->phenotypes.premier_phenotype->selectionne(0);
    touche(clavier, touche_entree);
    donne_phenotypes(souris, 1, 0);
    EXPECT_EQ(clavier.journal().back(), "all_okclick");
    EXPECT_EQ(clavier.journal(), souris.journal());
    EXPECT_EQ(clavier->famille.individu(1).genotype(1).texte(),
              souris->famille.individu(1).genotype(1).texte());
    EXPECT_FALSE(clavier->phenotypes.panneau->visible);
}

TEST(Clavier, SansPanneauOuvertRienNeSEcritEtF1OuvreLAide) {
    Session s;
    const auto journal = s.journal();
    touche(s, touche_entree);
    touche(s, touche_echap);
    EXPECT_EQ(s.journal(), journal);
    EXPECT_TRUE(s.plateforme.aides.empty());
    touche(s, 112);
    EXPECT_EQ(s.plateforme.aides, std::vector<std::string>{"orvan.html#1"});
}

TEST(Clavier, LePanneauOuLUnChoixAttendPasseAvantLHistorique) {
    Session s;
    s->menus.historique->clic();
    s->arbre.clic_individu(1, Bouton::gauche);
    touche(s, touche_echap);
    EXPECT_FALSE(s->phenotypes.panneau->visible);
    EXPECT_TRUE(s->historique.panneau->visible);
    const auto journal = s.journal();
    // The history has no default button; Escape closes it and writes nothing.
    touche(s, touche_entree);
    EXPECT_EQ(s.journal(), journal);
    touche(s, touche_echap);
    EXPECT_FALSE(s->historique.panneau->visible);
    EXPECT_EQ(s.journal(), journal);
}

TEST(Clavier, CouleursEtCalculette) {
    Session clavier, souris;
    for (Session* s : {&clavier, &souris})
        (*s)->menus.couleurs->clic();
    touche(clavier, touche_entree);
    souris->couleurs.ok->clic();
    EXPECT_EQ(clavier.journal(), souris.journal());
    touche(clavier, touche_echap);
    EXPECT_FALSE(clavier->couleurs.panneau->visible);

    Calculette& c = clavier->calculette;
    c.montre();
    c.tape('1');
    c.operateur('+');
    c.tape('2');
    touche(clavier, touche_entree);
    EXPECT_EQ(c.affichage->caption, "3");
    touche(clavier, touche_echap);
    EXPECT_FALSE(c.boite->visible);
}
