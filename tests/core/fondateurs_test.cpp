#include "famille_test.h"

#include <gtest/gtest.h>

using namespace orvan;
using namespace orvan::test;

namespace {

using Textes = std::vector<std::string>;

Textes fin_journal(const Session& s, std::size_t n) {
    return {s.journal().end() - static_cast<std::ptrdiff_t>(n), s.journal().end()};
}

// The label of k centred on its symbol, 10 pixels under its top.
void label_centre(const FenetrePrincipale& f, int k) {
    const Forme& s = *f.arbre.tab_shape[k];
    EXPECT_EQ(f.arbre.tab_label[k]->top, s.top + 10) << k;
    EXPECT_EQ(f.arbre.tab_label[k]->left, s.left + s.width / 2 - f.arbre.tab_label[k]->width / 2)
        << k;
}

// Founders crossed with fixed sibship sizes, then the generation-2 children 3, 4, ... married
// in turn; tailles[0] is the founders' sibship.
void famille(Session& s, const std::vector<int>& tailles) {
    for (std::size_t i = 0; i < tailles.size(); ++i) {
        s->phenotypes.nb_descendants->choix_utilisateur(tailles[i] - 1);
        if (i == 0) choisit(s, 1, 0);
        choisit(s, i == 0 ? 2 : 2 + static_cast<int>(i), 0);
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

    const std::string pere = genotype_tire(g, s->genes.modele, "D", false);
    EXPECT_EQ(s->arbre.ped.geno1[1], pere);
    EXPECT_EQ(s->alea.graine_alea, g.graine_alea);
    EXPECT_EQ(s->arbre.ped.pheno1[1], "D,");
    EXPECT_EQ(s->arbre.tab_shape[1]->hint, pere + "//");
    EXPECT_EQ(s->arbre.tab_label[1]->caption, "[D]");
    label_centre(*s, 1);
    EXPECT_EQ(s->arbre.tab_shape[1]->remplissage, s->couleurs.table[15]);
    EXPECT_FALSE(s->phenotypes.panneau->visible);
    EXPECT_EQ(s->arbre.ped.nb_unions, 0);
    EXPECT_EQ(s.journal().back(), "all_okclick");

    // Opened again: its phenotype is selected at once, OK waits for a new click.
    s->arbre.clic_individu(1, Bouton::gauche);
    EXPECT_EQ(fin_journal(s, 2), (Textes{"choix_all(1,left)", "prem_alleleclick.0"}));
    EXPECT_FALSE(s->phenotypes.ok->enabled);
    s->phenotypes.annuler->clic();
    EXPECT_EQ(s.journal().back(), "all_annulclick");
    EXPECT_EQ(s->arbre.ped.geno1[1], pere);

    choisit(s, 2, 1);
    EXPECT_EQ(s->arbre.ped.geno1[2], genotype_tire(g, s->genes.modele, "d", true));
    const auto enfants = fratrie_tiree(g, s->arbre.ped, 1, 2, 0, true);
    EXPECT_EQ(s->alea.graine_alea, g.graine_alea);
    EXPECT_EQ(fin_journal(s, 3),
              (Textes{"choix_all(2,left)", "prem_alleleclick.1", "all_okclick"}));
    const int n = static_cast<int>(enfants.size());
    ASSERT_TRUE(n >= 3 && n <= 6);
    EXPECT_EQ(s->arbre.ped.dernier_indiv, 2 + n);
    EXPECT_EQ(s->arbre.ped.fratrie[0].nb_enfants, n);
    for (int G = 1; G <= n; ++G) {
        const int k = 2 + G;
        const Forme& sym = *s->arbre.tab_shape[k];
        EXPECT_EQ(s->arbre.ped.geno1[k], enfants[G - 1].geno1) << k;
        EXPECT_EQ(sym.hint, enfants[G - 1].geno1 + "//,") << k;
        EXPECT_EQ(sym.contour, enfants[G - 1].contour) << k;
        EXPECT_EQ(sym.left, G * (698 / (n + 1))) << k;
        EXPECT_EQ(sym.top, 150) << k;
        EXPECT_TRUE(sym.visible && sym.enabled && s->arbre.tab_trait[k]->visible) << k;
        const bool malade = !contient(s->arbre.ped.geno1[k], "XD");
        EXPECT_EQ(s->arbre.tab_label[k]->caption, malade ? "[d]" : "[D]") << k;
        EXPECT_EQ(sym.remplissage, s->couleurs.table[malade ? 10 : 15]) << k;
        label_centre(*s, k);
    }
    EXPECT_FALSE(s->arbre.tab_shape[1]->enabled || s->arbre.tab_label[2]->enabled);
    EXPECT_TRUE(s->menus.autre_famille->enabled);
    EXPECT_TRUE(s->arbre.tab_couple[0]->visible && s->arbre.tab_couple[0]->width == 50);
    EXPECT_EQ(s->arbre.tab_union[0]->width,
              s->arbre.tab_label[2 + n]->left - s->arbre.tab_label[3]->left);
}

TEST(Fondateurs, ConjointAnnulationEtTroisiemeGeneration) {
    Session s;
    s->phenotypes.nb_descendants->choix_utilisateur(5);
    EXPECT_EQ(s.journal().back(), "nb_desc=5");
    Generateur g{s->alea.graine_alea};
    choisit(s, 1, 0);
    choisit(s, 2, 1);
    genotype_tire(g, s->genes.modele, "D", false);
    genotype_tire(g, s->genes.modele, "d", true);
    // A fixed number of children takes no draw for it.
    EXPECT_EQ(fratrie_tiree(g, s->arbre.ped, 1, 2, 5, true).size(), 6u);
    EXPECT_EQ(s->alea.graine_alea, g.graine_alea);

    s->arbre.clic_individu(3, Bouton::gauche);
    const Forme& conjoint = *s->arbre.tab_shape[9];
    EXPECT_TRUE(s->arbre.ped.indiv_courant == 9 && s->arbre.ped.parent_union == 3 &&
                conjoint.visible);
    EXPECT_EQ(conjoint.left, s->arbre.tab_shape[3]->left + 40);
    EXPECT_EQ(conjoint.top, 150);
    EXPECT_NE(conjoint.contour, s->arbre.tab_shape[3]->contour);
    EXPECT_EQ(s->phenotypes.panneau->top, 150 + 35 + 5);
    s->phenotypes.annuler->clic();
    EXPECT_EQ(s.journal().back(), "all_annulclick");
    EXPECT_FALSE(conjoint.visible || s->arbre.tab_label[9]->visible);
    EXPECT_EQ(s->arbre.ped.dernier_indiv, 8);

    // The number given back goes to the next spouse; the panel stays inside the window.
    s->arbre.clic_individu(8, Bouton::gauche);
    EXPECT_EQ(conjoint.left, s->arbre.tab_shape[8]->left + 40);
    EXPECT_EQ(s->phenotypes.panneau->left, 698 - 10 - s->phenotypes.panneau->width);
    s->phenotypes.nb_descendants->choix_utilisateur(3);
    s->phenotypes.premier_phenotype->selectionne(0);
    s->phenotypes.ok->clic();
    genotype_tire(g, s->genes.modele, "D", conjoint.contour == Contour::cercle);
    const auto enfants = fratrie_tiree(g, s->arbre.ped, 8, 9, 3, false);
    EXPECT_EQ(s->alea.graine_alea, g.graine_alea);
    ASSERT_EQ(s->arbre.ped.dernier_indiv, 13);
    EXPECT_EQ(s->arbre.ped.fratrie[1].debut, 9);
    for (int G = 1; G <= 4; ++G) {
        const int k = 9 + G;
        EXPECT_EQ(s->arbre.tab_shape[k]->left, s->arbre.tab_shape[8]->left + (G - 2) * 45) << k;
        EXPECT_EQ(s->arbre.ped.geno1[k], enfants[G - 1].geno1) << k;
        EXPECT_FALSE(s->arbre.tab_shape[k]->enabled || s->arbre.tab_label[k]->enabled) << k;
        label_centre(*s, k);
    }
    EXPECT_FALSE(s->arbre.tab_shape[8]->enabled || s->arbre.tab_shape[9]->enabled);
    EXPECT_TRUE(s->menus.exercices->enabled);
    EXPECT_FALSE(s->arbre.tab_union[0]->enabled);
    EXPECT_EQ(s->arbre.tab_couple[1]->width, 5);

    // "hasard" in the third generation: one draw, two to six children.
    s->phenotypes.nb_descendants->choix_utilisateur(0);
    choisit(s, 3, 1);
    genotype_tire(g, s->genes.modele, "d", s->arbre.tab_shape[14]->contour == Contour::cercle);
    const auto hasard = fratrie_tiree(g, s->arbre.ped, 3, 14, 0, false);
    EXPECT_EQ(s->alea.graine_alea, g.graine_alea);
    EXPECT_TRUE(hasard.size() >= 2 && hasard.size() <= 6);
    EXPECT_EQ(s->arbre.ped.dernier_indiv, 14 + static_cast<int>(hasard.size()));
}

TEST(Fondateurs, AnnulationPartagee) {
    Session s;
    famille(s, {3});
    s->arbre.clic_individu(4, Bouton::gauche);
    ASSERT_EQ(s->arbre.ped.dernier_indiv, 6);
    s->alleles.annuler->clic();
    EXPECT_EQ(s.journal().back(), "bitbtn7click");
    EXPECT_EQ(s->arbre.ped.dernier_indiv, 5);
    EXPECT_FALSE(s->arbre.tab_shape[6]->visible);
    // With no choice open it takes away the last child, whose number the next spouse gets.
    s->alleles.annuler->clic();
    EXPECT_EQ(s->arbre.ped.dernier_indiv, 4);
    EXPECT_FALSE(s->arbre.tab_shape[5]->visible);
    s->arbre.clic_individu(3, Bouton::gauche);
    EXPECT_TRUE(s->arbre.ped.dernier_indiv == 5 && s->arbre.tab_shape[5]->visible);
}

TEST(Fondateurs, LaFamilleNeDepassePasQuaranteIndividus) {
    Session s;
    famille(s, {6, 6, 6, 6, 2, 4, 6});
    // The spouse took 38, the last sibship is shortened to two.
    EXPECT_EQ(s->arbre.ped.dernier_indiv, 40);
    EXPECT_EQ(s->arbre.ped.fratrie[6].debut, 38);
    EXPECT_EQ(s->arbre.ped.fratrie[6].nb_enfants, 2);
    EXPECT_TRUE(s->arbre.tab_shape[40]->visible);

    Session t;
    famille(t, {6, 6, 6, 6, 2, 5});
    ASSERT_EQ(t->arbre.ped.dernier_indiv, 38);
    t->arbre.clic_individu(8, Bouton::gauche);
    EXPECT_EQ(t.journal().back(), "choix_all(8,left)");
    EXPECT_EQ(t.plateforme.avertissements.size(), 1u);
    EXPECT_EQ(t->arbre.ped.dernier_indiv, 38);
    EXPECT_FALSE(t->arbre.tab_shape[39]->visible || t->phenotypes.panneau->visible);
    EXPECT_EQ(t->arbre.ped.choix_en_cours, 0);
    // Refused again at the next click: the choice was not left open.
    t->arbre.clic_individu(8, Bouton::gauche);
    EXPECT_EQ(t.plateforme.avertissements.size(), 2u);
}
