#include "famille_test.h"

#include <gtest/gtest.h>

#include <map>

using namespace orvan;
using namespace orvan::test;

namespace {

// Founders given their genotypes directly, six children a sibship.
void fondateurs(Session& s, const std::string& a1, const std::string& a2,
                const std::string& b1 = "", const std::string& b2 = "") {
    s->famille.individu(1).genotype(1) = Genotype::lu(a1);
    s->famille.individu(1).genotype(2) = Genotype::lu(b1);
    s->famille.individu(2).genotype(1) = Genotype::lu(a2);
    s->famille.individu(2).genotype(2) = Genotype::lu(b2);
    s->phenotypes.nb_descendants->index = 5;
}

// The founders' crossing, again on a clean slate.
void recroise(Session& s) {
    s->famille.nb_unions = 0;
    s->famille.dernier_indiv = 0;
    s->arbre.croisement(1, 2, 3, s->arbre.ped.haut_gen2);
}

} // namespace

TEST(Croisement, FilsEtFillesDUnGeneSurX) {
    Session s;
    fondateurs(s, "XD,Y", "Xd,Xd");
    Generateur g{s->alea.graine_alea};
    recroise(s);
    // Three draws a child: two gametes and the outline that the X count then replaces.
    for (int i = 0; i < 18; ++i)
        g.tirage_alea(i % 3 == 2 ? 2 : 4);
    EXPECT_EQ(s->alea.graine_alea, g.graine_alea);
    for (int k = 3; k <= 8; ++k) {
        const bool fils = s->arbre.tab_shape[k]->contour == Contour::carre;
        EXPECT_EQ(s->famille.individu(k).genotype(1).texte(), fils ? "Y,Xd" : "XD,Xd") << k;
        EXPECT_EQ(s->famille.individu(k).genotype(2).texte(), ",") << k;
        EXPECT_EQ(s->arbre.tab_label[k]->caption, fils ? "[d]" : "[D]") << k;
        EXPECT_EQ(s->arbre.tab_shape[k]->remplissage, (fils ? rouge : cyan)) << k;
    }

    // A genotype the table does not know: empty brackets, and the yellow stays.
    fondateurs(s, "XQ,Y", "XQ,XQ");
    recroise(s);
    EXPECT_EQ(s->arbre.tab_label[3]->caption, "[]");
    EXPECT_EQ(s->arbre.tab_shape[3]->remplissage, rgb(255, 255, 0));
}

TEST(Croisement, DeuxGenesSurXAvecUnPere) {
    Session s;
    choisit_genes(s, 0, 3);
    fondateurs(s, "XD,Y", "XD,Xd", "XH,Y", "XH,Xh");
    int fils = 0;
    for (int c = 0; c < 300; ++c) {
        const Generateur g = s->alea;
        recroise(s);
        int fils_ici = 0;
        for (int k = 3; k <= 8; ++k) {
            // A son has the father's Y for both genes, a daughter his XD and XH.
            const bool garcon = s->arbre.tab_shape[k]->contour == Contour::carre;
            EXPECT_EQ(s->famille.individu(k).genotype(1).texte().substr(0, 3),
                      garcon ? "Y,X" : "XD,")
                << k;
            EXPECT_EQ(s->famille.individu(k).genotype(2).texte().substr(0, 3),
                      garcon ? "Y,X" : "XH,")
                << k;
            fils_ici += garcon;
        }
        // Three draws a child; each son costs one more draw of his mother's gamete.
        ASSERT_EQ(nb_tirages_depuis(g, s->alea), 6 * 3 + fils_ici) << c;
        fils += fils_ici;
    }
    // Three of the father's four gametes make sons.
    EXPECT_NEAR(fils / 1800.0, 0.75, 0.04);
    EXPECT_EQ(s->arbre.tab_label[3]->caption, "[" + s->famille.individu(3).phenotype(1) + "," +
                                                  s->famille.individu(3).phenotype(2) + "]");
}

TEST(Croisement, ProportionsSurTroisMilleEnfants) {
    Session s;
    choisit_genes(s, 1);
    fondateurs(s, "A,O", "B,O");
    s->alea.graine_alea = 12345;
    const std::map<std::string, std::string> phenotype = {
        {"A,B", "AB"}, {"A,O", "A"}, {"O,B", "B"}, {"O,O", "O"}};
    std::map<std::string, int> nb;
    int fils = 0;
    for (int c = 0; c < 500; ++c) {
        recroise(s);
        for (int k = 3; k <= 8; ++k) {
            const std::string& geno = s->famille.individu(k).genotype(1).texte();
            ++nb[geno];
            ASSERT_TRUE(phenotype.count(geno)) << geno;
            // "O,B" reads its own table entry: the first parent's allele comes first.
            EXPECT_EQ(s->arbre.tab_label[k]->caption, "[" + phenotype.at(geno) + "]");
            fils += s->arbre.tab_shape[k]->contour == Contour::carre;
        }
    }
    for (const auto& [geno, n] : nb)
        EXPECT_NEAR(n / 3000.0, 0.25, 0.03) << geno;
    EXPECT_NEAR(fils / 3000.0, 0.5, 0.03);

    // A carrier mother: half the sons colour-blind, every daughter "XD,XD" or "XD,Xd".
    choisit_genes(s, 0);
    fondateurs(s, "XD,Y", "XD,Xd");
    std::map<std::string, int> x;
    for (int c = 0; c < 500; ++c) {
        recroise(s);
        for (int k = 3; k <= 8; ++k)
            ++x[s->famille.individu(k).genotype(1).texte()];
    }
    EXPECT_NEAR(x["Y,Xd"] / 3000.0, 0.25, 0.03);
    EXPECT_NEAR(x["Y,XD"] / 3000.0, 0.25, 0.03);
    EXPECT_EQ(x["XD,XD"] + x["XD,Xd"] + x["Y,Xd"] + x["Y,XD"], 3000);
}
