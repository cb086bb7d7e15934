// What must hold of the family after any saved family of tests/data is replayed: its unions
// and sibships make a pedigree, and the controls on screen say what the model holds.
#include "famille_test.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace orvan;
using namespace orvan::test;
namespace fs = std::filesystem;

namespace {

void pedigree_coherent(const Famille& famille, const std::string& nom) {
    const auto unions = famille.unions_tirees();
    std::set<int> enfants;
    for (std::size_t u = 0; u < unions.size(); ++u) {
        const Union& un = unions[u];
        // The founders first; then each spouse takes the number before its sibship.
        if (u == 0)
            EXPECT_EQ(un, (Union{1, 2, 3, un.nb_enfants})) << nom;
        else
            EXPECT_EQ(un.partenaire2 + 1, un.premier_enfant) << nom << " union " << u;
        EXPECT_EQ(famille.generation(un.partenaire1), famille.generation(un.partenaire2)) << nom;
        EXPECT_NE(famille.individu(un.partenaire1).sexe, famille.individu(un.partenaire2).sexe)
            << nom << " union " << u;
        for (int k = un.premier_enfant; k < un.premier_enfant + un.nb_enfants; ++k) {
            EXPECT_TRUE(enfants.insert(k).second) << nom << ": " << k << " in two sibships";
            EXPECT_EQ(famille.parents(k), (Parents{un.partenaire1, un.partenaire2})) << nom;
            EXPECT_EQ(famille.generation(k), famille.generation(un.partenaire1) + 1) << nom;
        }
    }
    for (int k = 1; k <= max_individus; ++k) {
        if (!famille.individu(k).visible) continue;
        const bool conjoint = !famille.conjoints(k).empty() || k == famille.dernier_indiv();
        EXPECT_TRUE(k <= 2 || famille.parents(k) || conjoint) << nom << ": " << k;
        EXPECT_GE(famille.generation(k), 1) << nom << ": " << k;
        EXPECT_LE(famille.generation(k), 3) << nom << ": " << k;
    }
}

// The pupil's picture is the model's: the outline its sex, the label its phenotype, the
// tooltip its genotype, the symbol at its place.
void controles_fideles(const FenetrePrincipale& f, const std::string& nom) {
    for (int k = 1; k <= max_individus; ++k) {
        const Individu& i = f.famille.individu(k);
        const Forme& s = *f.arbre.tab_shape[k];
        EXPECT_EQ(s.visible, i.visible) << nom << ": " << k;
        if (!i.visible) continue;
        EXPECT_EQ(s.contour, i.sexe == Sexe::homme ? Contour::carre : Contour::cercle) << nom;
        EXPECT_EQ(f.arbre.tab_label[k]->caption, i.phenotype_affiche) << nom << ": " << k;
        EXPECT_EQ(s.hint, i.bulle()) << nom << ": " << k;
        EXPECT_EQ(s.left, i.position.gauche) << nom << ": " << k;
        EXPECT_EQ(s.top, i.position.haut) << nom << ": " << k;
        EXPECT_EQ(s.enabled, i.actif) << nom << ": " << k;
    }
}

} // namespace

TEST(FamilleRejouee, UnionsFratriesEtControlesDisentLeModele) {
    int nb = 0;
    for (const auto& entree : fs::directory_iterator(ORVAN_TEST_DATA)) {
        if (entree.path().extension() != ".gen") continue;
        Session s;
        const std::string nom = entree.path().filename().string();
        ASSERT_TRUE(s->historique.ouvre_fichier(entree.path().string())) << nom;
        pedigree_coherent(s->famille, nom);
        controles_fideles(*s, nom);
        ++nb;
    }
    EXPECT_GE(nb, 15);
}
