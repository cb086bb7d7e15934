#include "famille_test.h"
#include "history/fichier_gen.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>

using namespace orvan;
using namespace orvan::test;

namespace {

using Textes = std::vector<std::string>;

// The label of k 10 pixels under its symbol's top, its middle within a pixel of the symbol's.
void label_centre(const FenetrePrincipale& f, int k) {
    const Forme& s = *f.arbre.tab_shape[k];
    const Label& l = *f.arbre.tab_label[k];
    EXPECT_EQ(l.top, s.top + 10) << k;
    EXPECT_LE(std::abs((2 * l.left + l.width) - (2 * s.left + s.width)), 2) << k;
}

// Founders crossed with fixed sibship sizes, then the generation-2 children 3, 4, ... married
// in turn; tailles[0] is the founders' sibship.
void famille(Session& s, const std::vector<int>& tailles) {
    for (std::size_t i = 0; i < tailles.size(); ++i) {
        s->phenotypes.nb_descendants->choix_utilisateur(tailles[i] - 1);
        if (i == 0) donne_phenotypes(s, 1, 0);
        donne_phenotypes(s, i == 0 ? 2 : 2 + static_cast<int>(i), 0);
    }
}

} // namespace

TEST(Fondateurs, UnFondateurPuisLAutreLanceLeCroisement) {
    Session s;
    Generateur g{s->alea.graine_alea};
    s->arbre.clic_individu(1, Bouton::gauche);
    EXPECT_EQ(s.journal().back(), "choix_all(1,left)");
    EXPECT_EQ(s->phenotypes.panneau->top, 50 + 35 + 5);
    EXPECT_EQ(s->phenotypes.panneau->left, 289 + 17 - s->genes.panneau->width / 2);
    EXPECT_FALSE(s->phenotypes.ok->enabled);
    s->phenotypes.premier_phenotype->selectionne(0);
    EXPECT_EQ(s.journal().back(), "prem_alleleclick.0");
    EXPECT_TRUE(s->phenotypes.ok->enabled);
    s->phenotypes.ok->clic();

    // A man of [D]: one of the table's [D] genotypes with a single X, drawn again until it fits.
    const std::string pere = s->famille.individu(1).genotype(1).texte();
    EXPECT_TRUE(pere == "XD,Y" || pere == "Y,XD") << pere;
    EXPECT_GE(nb_tirages_depuis(g, s->alea), 1);
    EXPECT_EQ(s->famille.individu(1).phenotype(1), "D,");
    EXPECT_EQ(s->arbre.tab_shape[1]->hint, pere + "//");
    EXPECT_EQ(s->arbre.tab_label[1]->caption, "[D]");
    label_centre(*s, 1);
    EXPECT_EQ(s->arbre.tab_shape[1]->remplissage, cyan);
    EXPECT_FALSE(s->phenotypes.panneau->visible);
    EXPECT_EQ(s->famille.nb_unions(), 0);
    EXPECT_EQ(s.journal().back(), "all_okclick");

    // Opened again: its phenotype is selected at once, OK waits for a new click.
    s->arbre.clic_individu(1, Bouton::gauche);
    EXPECT_EQ(fin_journal(s, 2), (Textes{"choix_all(1,left)", "prem_alleleclick.0"}));
    EXPECT_FALSE(s->phenotypes.ok->enabled);
    s->phenotypes.annuler->clic();
    EXPECT_EQ(s.journal().back(), "all_annulclick");
    EXPECT_EQ(s->famille.individu(1).genotype(1).texte(), pere);

    g = s->alea;
    donne_phenotypes(s, 2, 1);
    // The only woman's genotype of [d].
    EXPECT_EQ(s->famille.individu(2).genotype(1).texte(), "Xd,Xd");
    // The first crossing of a family names the rule of its gametes, before its confirmation.
    EXPECT_EQ(fin_journal(s, 4), (Textes{"choix_all(2,left)", "prem_alleleclick.1",
                                         "gametes_chromosome_sexuel", "all_okclick"}));
    const int n = s->famille.union_numero(0).nb_enfants;
    ASSERT_TRUE(n >= 3 && n <= 6);
    // The window is 698 wide: n children share it in n + 1 equal gaps.
    const std::map<int, int> ecart = {{3, 174}, {4, 139}, {5, 116}, {6, 99}};
    // Her genotype, two draws for "hasard", three a child (two gametes and an outline that
    // the X count then replaces).
    EXPECT_GE(nb_tirages_depuis(g, s->alea), 1 + 2 + 3 * n);
    EXPECT_EQ(s->famille.dernier_indiv(), 2 + n);
    EXPECT_EQ(s->famille.union_numero(0).nb_enfants, n);
    for (int G = 1; G <= n; ++G) {
        const int k = 2 + G;
        const Forme& sym = *s->arbre.tab_shape[k];
        // The father's X makes daughters [D], his Y sons [d]; the mother gives her Xd to all.
        const bool fils = sym.contour == Contour::carre;
        EXPECT_EQ(s->famille.individu(k).genotype(1).texte(), fils ? "Y,Xd" : "XD,Xd") << k;
        EXPECT_EQ(sym.hint, s->famille.individu(k).genotype(1).texte() + "//,") << k;
        EXPECT_EQ(sym.left, G * ecart.at(n)) << k;
        EXPECT_EQ(sym.top, 150) << k;
        EXPECT_TRUE(sym.visible && sym.enabled && s->arbre.tab_trait[k]->visible) << k;
        EXPECT_EQ(s->arbre.tab_label[k]->caption, fils ? "[d]" : "[D]") << k;
        EXPECT_EQ(sym.remplissage, (fils ? rouge : cyan)) << k;
        label_centre(*s, k);
    }
    EXPECT_FALSE(s->arbre.tab_shape[1]->enabled || s->arbre.tab_label[2]->enabled);
    EXPECT_TRUE(s->menus.autre_famille->enabled);
    EXPECT_TRUE(s->arbre.tab_couple[0]->visible && s->arbre.tab_couple[0]->width == 50);
    // The sibship line runs from the first child's tick to the last child's symbol.
    const Panel& ligne = *s->arbre.tab_union[0];
    EXPECT_EQ(ligne.left, s->arbre.tab_trait[3]->left);
    EXPECT_GE(ligne.left + ligne.width, s->arbre.tab_shape[2 + n]->left);
    EXPECT_LE(ligne.left + ligne.width, s->arbre.tab_shape[2 + n]->right());
}

TEST(Fondateurs, ConjointAnnulationEtTroisiemeGeneration) {
    Session s;
    s->phenotypes.nb_descendants->choix_utilisateur(5);
    EXPECT_EQ(s.journal().back(), "nb_desc=5");
    donne_phenotypes(s, 1, 0);
    Generateur g = s->alea;
    donne_phenotypes(s, 2, 1);
    // Her genotype, then three draws for each of the six children.
    EXPECT_EQ(s->famille.union_numero(0).nb_enfants, 6);
    EXPECT_GE(nb_tirages_depuis(g, s->alea), 1 + 6 * 3);

    s->arbre.clic_individu(3, Bouton::gauche);
    const Forme& conjoint = *s->arbre.tab_shape[9];
    EXPECT_TRUE(s->arbre.ped.indiv_courant == 9 && s->famille.partenaire_du_conjoint() == 3 &&
                conjoint.visible);
    EXPECT_EQ(conjoint.left, s->arbre.tab_shape[3]->left + 40);
    EXPECT_EQ(conjoint.top, 150);
    EXPECT_NE(conjoint.contour, s->arbre.tab_shape[3]->contour);
    EXPECT_EQ(s->phenotypes.panneau->top, 150 + 35 + 5);
    s->phenotypes.annuler->clic();
    EXPECT_EQ(s.journal().back(), "all_annulclick");
    EXPECT_FALSE(conjoint.visible || s->arbre.tab_label[9]->visible);
    EXPECT_EQ(s->famille.dernier_indiv(), 8);

    // The number given back goes to the next spouse; the panel stays inside the window.
    s->arbre.clic_individu(8, Bouton::gauche);
    EXPECT_EQ(conjoint.left, s->arbre.tab_shape[8]->left + 40);
    EXPECT_EQ(s->phenotypes.panneau->left, 698 - 10 - s->phenotypes.panneau->width);
    s->phenotypes.nb_descendants->choix_utilisateur(3);
    s->phenotypes.premier_phenotype->selectionne(0);
    s->phenotypes.ok->clic();
    ASSERT_EQ(s->famille.dernier_indiv(), 13);
    EXPECT_EQ(s->famille.union_numero(1).premier_enfant, 10);
    // Four children 45 pixels apart (a symbol and 10), the second one under its parent.
    const int sous_le_parent = s->arbre.tab_shape[8]->left;
    const std::array<int, 4> gauches = {sous_le_parent - 45, sous_le_parent, sous_le_parent + 45,
                                        sous_le_parent + 90};
    for (int G = 1; G <= 4; ++G) {
        const int k = 9 + G;
        EXPECT_EQ(s->arbre.tab_shape[k]->left, gauches[G - 1]) << k;
        // The father gives his Y to his sons, the mother an X to all.
        const std::string& geno = s->famille.individu(k).genotype(1).texte();
        const bool fils = s->arbre.tab_shape[k]->contour == Contour::carre;
        EXPECT_EQ(compte(geno, 'X'), fils ? 1 : 2) << geno;
        EXPECT_EQ(contient(geno, "Y"), fils) << geno;
        EXPECT_FALSE(s->arbre.tab_shape[k]->enabled || s->arbre.tab_label[k]->enabled) << k;
        label_centre(*s, k);
    }
    EXPECT_FALSE(s->arbre.tab_shape[8]->enabled || s->arbre.tab_shape[9]->enabled);
    EXPECT_TRUE(s->menus.exercices->enabled);
    EXPECT_FALSE(s->arbre.tab_union[0]->enabled);
    EXPECT_EQ(s->arbre.tab_couple[1]->width, 5);

    // "hasard" in the third generation: one draw, two to six children.
    s->phenotypes.nb_descendants->choix_utilisateur(0);
    donne_phenotypes(s, 3, 1);
    const int n = s->famille.union_numero(2).nb_enfants;
    EXPECT_TRUE(n >= 2 && n <= 6) << n;
    EXPECT_EQ(s->famille.union_numero(2).premier_enfant, 15);
    EXPECT_EQ(s->famille.dernier_indiv(), 14 + n);
}

// With the ABO groups every genotype takes one draw: the draws of each confirmation can be
// counted exactly. [O] is "O,O" only, [AB] "A,B" or "B,A".
TEST(Fondateurs, TiragesDUneFamilleDesGroupesABO) {
    Session s;
    choisit_genes(s, 1);
    Generateur g = s->alea;
    donne_phenotypes(s, 1, 2);
    EXPECT_EQ(nb_tirages_depuis(g, s->alea), 1);
    const std::string pere = s->famille.individu(1).genotype(1).texte();
    EXPECT_TRUE(pere == "A,B" || pere == "B,A") << pere;

    // "hasard" for the founders: her genotype, two draws for the number, then two gametes and
    // two outline draws a child.
    g = s->alea;
    donne_phenotypes(s, 2, 3);
    EXPECT_EQ(s->famille.individu(2).genotype(1).texte(), "O,O");
    const int n = s->famille.union_numero(0).nb_enfants;
    ASSERT_TRUE(n >= 3 && n <= 6) << n;
    EXPECT_EQ(nb_tirages_depuis(g, s->alea), 1 + 2 + 4 * n);
    for (int k = 3; k < 3 + n; ++k) {
        const std::string& geno = s->famille.individu(k).genotype(1).texte();
        EXPECT_TRUE(geno == "A,O" || geno == "B,O") << k << " " << geno;
        EXPECT_EQ(s->arbre.tab_label[k]->caption, geno == "A,O" ? "[A]" : "[B]") << k;
    }

    // A spouse [O] with four children chosen: no draw for their number.
    g = s->alea;
    donne_phenotype_et_nb_enfants(s, 3, 3, 3);
    EXPECT_EQ(s->famille.individu(3 + n).genotype(1).texte(), "O,O");
    EXPECT_EQ(s->famille.union_numero(1).nb_enfants, 4);
    EXPECT_EQ(nb_tirages_depuis(g, s->alea), 1 + 4 * 4);
    // "hasard" for a spouse: a single draw for the number.
    g = s->alea;
    donne_phenotype_et_nb_enfants(s, 4, 3, 0);
    const int m = s->famille.union_numero(2).nb_enfants;
    ASSERT_TRUE(m >= 2 && m <= 6) << m;
    EXPECT_EQ(nb_tirages_depuis(g, s->alea), 1 + 1 + 4 * m);
    // A child of 3 and an "O,O" spouse has 3's genotype or "O,O".
    for (int k = s->famille.union_numero(1).premier_enfant;
         k < s->famille.union_numero(1).premier_enfant + 4; ++k) {
        const std::string& geno = s->famille.individu(k).genotype(1).texte();
        EXPECT_TRUE(geno == s->famille.individu(3).genotype(1).texte() || geno == "O,O")
            << k << " " << geno;
    }
}

TEST(Fondateurs, AnnulationPartagee) {
    Session s;
    famille(s, {3});
    s->arbre.clic_individu(4, Bouton::gauche);
    ASSERT_EQ(s->famille.dernier_indiv(), 6);
    s->genotypes.annuler->clic();
    EXPECT_EQ(s.journal().back(), "bitbtn7click");
    EXPECT_EQ(s->famille.dernier_indiv(), 5);
    EXPECT_FALSE(s->arbre.tab_shape[6]->visible);
    // With no choice open, as older files used it to close the answers panel, it takes away
    // the last child, whose number the next spouse gets.
    s->journal.lignes().push_back("bitbtn7click");
    s->historique.rejoue_journal();
    EXPECT_EQ(s->famille.dernier_indiv(), 4);
    EXPECT_FALSE(s->arbre.tab_shape[5]->visible);
    s->arbre.clic_individu(3, Bouton::gauche);
    EXPECT_TRUE(s->famille.dernier_indiv() == 5 && s->arbre.tab_shape[5]->visible);
}

TEST(Fondateurs, LaFamilleNeDepassePasQuaranteIndividus) {
    Session s;
    famille(s, {6, 6, 6, 6, 2, 4, 6});
    // The spouse took 38, the last sibship is shortened to two.
    EXPECT_EQ(s->famille.dernier_indiv(), 40);
    EXPECT_EQ(s->famille.union_numero(6).premier_enfant, 39);
    EXPECT_EQ(s->famille.union_numero(6).nb_enfants, 2);
    EXPECT_TRUE(s->arbre.tab_shape[40]->visible);

    Session t;
    famille(t, {6, 6, 6, 6, 2, 5});
    ASSERT_EQ(t->famille.dernier_indiv(), 38);
    const Textes journal = t.journal();
    t->arbre.clic_individu(8, Bouton::gauche);
    EXPECT_EQ(t.journal(), journal);
    EXPECT_EQ(t.plateforme.avertissements.size(), 1u);
    EXPECT_EQ(t->famille.dernier_indiv(), 38);
    EXPECT_FALSE(t->arbre.tab_shape[39]->visible || t->phenotypes.panneau->visible);
    EXPECT_EQ(t->arbre.ped.choix_en_cours, 0);
    // Refused again at the next click: the choice was not left open.
    t->arbre.clic_individu(8, Bouton::gauche);
    EXPECT_EQ(t.plateforme.avertissements.size(), 2u);
}

// A family as a saved file can make it, though the symbols of married children no longer take
// clicks: four children, each married again and again, eleven unions in all. The twelfth
// crossing has no union left: its spouse stays alone.
TEST(Fondateurs, OnzeUnionsPuisPlusAucunCroisement) {
    Session s({11, 11, 11, 111});
    s->phenotypes.nb_descendants->choix_utilisateur(3);
    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 1);
    s->phenotypes.nb_descendants->choix_utilisateur(1);
    for (int parent : {3, 4, 5, 6, 3, 4, 5, 6, 3, 4})
        donne_phenotypes(s, parent, parent % 2);
    ASSERT_EQ(s->famille.nb_unions(), 11);
    ASSERT_EQ(s->famille.dernier_indiv(), 6 + 10 * 3);
    EXPECT_EQ(s->famille.union_numero(10).premier_enfant, 35);
    EXPECT_EQ(s->famille.union_numero(10).nb_enfants, 2);

    donne_phenotypes(s, 5, 0);
    EXPECT_EQ(s->famille.nb_unions(), 11);
    EXPECT_EQ(s->famille.dernier_indiv(), 37);
    EXPECT_TRUE(s->arbre.tab_shape[37]->visible && s->arbre.tab_label[37]->visible);
    EXPECT_FALSE(s->arbre.tab_shape[38]->visible);
    EXPECT_EQ(s->famille.union_numero(10).premier_enfant, 35);
    s->arbre.decale_fratrie(10, 20);

    // These clicks are the saved family whose dump tests/data keeps; saved before the family
    // named the rule of its gametes, which changes nothing with one gene.
    Textes journal = s.journal();
    std::erase(journal, "gametes_chromosome_sexuel");
    EXPECT_EQ(lit_fichier_gen(ORVAN_TEST_DATA "/onze_unions.gen"), journal);
}
