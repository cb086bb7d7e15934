#include "famille_test.h"
#include "regles/gametes.h"

#include <gtest/gtest.h>

#include <map>

using namespace orvan;
using namespace orvan::test;

namespace {

// Founders given their genotypes directly, six children a sibship.
void fondateurs(Session& s, const std::string& a1, const std::string& a2,
                const std::string& b1 = "", const std::string& b2 = "") {
    s->famille.donne_genotype(1, 1, Genotype::lu(a1));
    s->famille.donne_genotype(1, 2, Genotype::lu(b1));
    s->famille.donne_genotype(2, 1, Genotype::lu(a2));
    s->famille.donne_genotype(2, 2, Genotype::lu(b2));
    s->phenotypes.nb_descendants->index = 5;
}

// The founders' crossing, again on a clean slate.
void recroise(Session& s) {
    s->famille.oublie_les_unions();
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

// A gamete carries one sex chromosome: a father of two genes on the X makes as many sons as
// daughters, a son has his Y for both genes and a daughter his X for both, whichever parent
// comes first; a mother's two genes still assort freely.
TEST(Croisement, DeuxGenesSurXUnChromosomeSexuelParGamete) {
    Session s;
    choisit_genes(s, 0, 3);
    s->arbre.ped.regle_gametes = RegleGametes::un_chromosome_sexuel;
    for (const bool pere_en_premier : {true, false}) {
        if (pere_en_premier)
            fondateurs(s, "XD,Y", "XD,Xd", "XH,Y", "XH,Xh");
        else
            fondateurs(s, "XD,Xd", "XD,Y", "XH,Xh", "XH,Y");
        int fils = 0;
        std::map<std::string, int> recombines;
        for (int c = 0; c < 500; ++c) {
            recroise(s);
            for (int k = 3; k <= 8; ++k) {
                const std::string g1 = s->famille.individu(k).genotype(1).texte();
                const std::string g2 = s->famille.individu(k).genotype(2).texte();
                const bool garcon = s->famille.individu(k).sexe == Sexe::homme;
                ASSERT_EQ(contient(g1, "Y"), garcon) << g1 << " " << g2;
                ASSERT_EQ(contient(g2, "Y"), garcon) << g1 << " " << g2;
                if (!garcon) {
                    EXPECT_TRUE(contient(g1, "XD") && contient(g2, "XH")) << g1 << " " << g2;
                }
                fils += garcon;
                // The mother's X that the child holds, for both genes.
                const std::string x1 = pere_en_premier ? g1.substr(g1.find(',') + 1) : tete(g1);
                const std::string x2 = pere_en_premier ? g2.substr(g2.find(',') + 1) : tete(g2);
                ++recombines[x1 + x2];
            }
        }
        EXPECT_NEAR(fils / 3000.0, 0.5, 0.02) << pere_en_premier;
        for (const std::string m : {"XDXH", "XDXh", "XdXH", "XdXh"})
            EXPECT_NEAR(recombines[m] / 3000.0, 0.25, 0.02) << m;
    }
}

// The example family of colour blindness and haemophilia drawn anew, as a family started today
// is, from 300 seeds of a new family's kind: no child is a man for one gene and a woman for the
// other, and half of them are sons.
TEST(Croisement, NouvellesFamillesDeDeuxGenesSurX) {
    std::vector<std::string> journal = {"aleat=0",
                                        "bitbtn5click",
                                        "group_premclick.0",
                                        "group_secclick.3",
                                        "bitbtn1click",
                                        "choix_all(1,left)",
                                        "prem_alleleclick.1",
                                        "sec_alleleclick.0",
                                        "all_okclick",
                                        "choix_all(2,left)",
                                        "prem_alleleclick.0",
                                        "sec_alleleclick.0",
                                        "nb_desc=3",
                                        "gametes_chromosome_sexuel",
                                        "all_okclick",
                                        "choix_all(3,left)",
                                        "prem_alleleclick.0",
                                        "sec_alleleclick.1",
                                        "nb_desc=2",
                                        "all_okclick",
                                        "choix_all(6,left)",
                                        "prem_alleleclick.1",
                                        "sec_alleleclick.0",
                                        "nb_desc=3",
                                        "all_okclick"};
    Session s;
    int enfants = 0, fils = 0;
    for (std::uint32_t c = 0; c < 300; ++c) {
        const std::uint32_t ms = (c * 2654435761u) % 86'400'000u;
        Generateur g;
        g.init_alea({static_cast<int>(ms / 3'600'000), static_cast<int>(ms / 60'000 % 60),
                     static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)});
        journal[0] = "aleat=" + std::to_string(g.graine_signee());
        s->journal.lignes() = journal;
        s->historique.rejoue_journal();
        const Famille& famille = s->famille;
        for (int u = 0; u < famille.nb_unions(); ++u)
            for (int i = 0; i < famille.union_numero(u).nb_enfants; ++i) {
                const int k = famille.union_numero(u).premier_enfant + i;
                const Individu& enfant = famille.individu(k);
                const bool garcon = enfant.sexe == Sexe::homme;
                ASSERT_EQ(contient(enfant.genotype(1).texte(), "Y"), garcon)
                    << journal[0] << " " << k;
                ASSERT_EQ(contient(enfant.genotype(2).texte(), "Y"), garcon)
                    << journal[0] << " " << k;
                ++enfants;
                fils += garcon;
            }
    }
    EXPECT_GT(enfants, 3000);
    EXPECT_NEAR(static_cast<double>(fils) / enfants, 0.5, 0.02) << fils << " / " << enfants;
}
