// The patterns of the option "Motifs": each phenotype its own, read from the label as the
// recolouring reads it.
#include "famille_test.h"
#include "ui/motifs.h"

#include <gtest/gtest.h>

#include <set>

using namespace orvan;
using namespace orvan::test;

namespace {

std::vector<std::string> noms_legende(Session& s) {
    std::vector<std::string> noms;
    for (int i = 1; i <= s->genes.modele.nb_phenotypes_total; ++i)
        noms.push_back(s->couleurs.nom_legende[i]->caption);
    return noms;
}

// The names of gene g's phenotypes, as the legend lists them.
std::vector<std::string> phenotypes(Session& s, int g) {
    const auto noms = noms_legende(s);
    const int n1 = s->genes.modele.nb_phenotypes[1];
    return g == 1 ? std::vector<std::string>(noms.begin(), noms.begin() + n1)
                  : std::vector<std::string>(noms.begin() + n1, noms.end());
}

} // namespace

TEST(Motifs, ChaqueEntreeDeLaLegendeASonMotif) {
    std::set<Motif> vus;
    for (int i = 1; i <= 10; ++i) {
        EXPECT_NE(motif_de_l_entree(i), Motif::aucun) << i;
        vus.insert(motif_de_l_entree(i));
    }
    EXPECT_EQ(vus.size(), 10u);
    EXPECT_EQ(motif_de_l_entree(0), Motif::aucun);
    EXPECT_EQ(motif_de_l_entree(11), Motif::aucun);
}

TEST(Motifs, LEntreeSeLitDansLEtiquetteCommeLaRecoloration) {
    const std::vector<std::string> un_gene = {"D", "d"};
    EXPECT_EQ(entree_du_symbole("[D]", un_gene), 1);
    EXPECT_EQ(entree_du_symbole("[d]", un_gene), 2);
    // A founder's picked item keeps its comma.
    EXPECT_EQ(entree_du_symbole("[d,]", un_gene), 2);
    EXPECT_EQ(entree_du_fond("[d,]", un_gene), 0);
    EXPECT_EQ(entree_du_symbole("", un_gene), 0);
    EXPECT_EQ(entree_du_symbole("[]", un_gene), 0);

    // "[AB]" holds "A" and "B" but is neither.
    const std::vector<std::string> abo = {"A", "B", "AB", "O"};
    EXPECT_EQ(entree_du_symbole("[AB]", abo), 3);
    EXPECT_EQ(entree_du_symbole("[O]", abo), 4);

    const std::vector<std::string> deux = {"D", "d", "A", "B", "AB", "O"};
    EXPECT_EQ(entree_du_symbole("[d,AB]", deux), 2);
    EXPECT_EQ(entree_du_fond("[d,AB]", deux), 5);
    EXPECT_EQ(entree_du_fond("[D,O]", deux), 6);
    // With the same name in both genes, the later entry wins, as it does for the colour.
    EXPECT_EQ(entree_du_symbole("[+,+]", {"+", "-", "+", "-"}), 3);
}

TEST(Motifs, DeuxPhenotypesDUnGeneNOntJamaisLeMemeMotif) {
    Session depart;
    const int nb_genes = depart->genes.modele.nb_maladies;
    ASSERT_GE(nb_genes, 4);
    for (int g1 = 0; g1 < nb_genes; ++g1)
        for (int g2 = -1; g2 < nb_genes; ++g2) {
            // The same gene twice is refused.
            if (g2 == g1) continue;
            Session s;
            choisit_genes(s, g1, g2);
            const auto noms = noms_legende(s);
            const auto p1 = phenotypes(s, 1);
            const auto p2 = g2 >= 0 ? phenotypes(s, 2) : std::vector<std::string>{""};
            ASSERT_GE(p1.size(), 2u);
            std::set<Motif> symboles, fonds;
            for (const auto& a : p1)
                for (const auto& b : p2) {
                    const std::string etiquette = g2 >= 0 ? "[" + a + "," + b + "]" : "[" + a + "]";
                    symboles.insert(motif_de_l_entree(entree_du_symbole(etiquette, noms)));
                    if (g2 >= 0) fonds.insert(motif_de_l_entree(entree_du_fond(etiquette, noms)));
                }
            EXPECT_EQ(symboles.size(), p1.size()) << g1 << " " << g2;
            EXPECT_EQ(symboles.count(Motif::aucun), 0u) << g1 << " " << g2;
            if (g2 >= 0) {
                EXPECT_EQ(fonds.size(), p2.size()) << g1 << " " << g2;
                EXPECT_EQ(fonds.count(Motif::aucun), 0u) << g1 << " " << g2;
            }
        }
}
