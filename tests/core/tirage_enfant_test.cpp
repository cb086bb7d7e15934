// The draw of one child and of the number of children, on draw sequences written by hand.
#include "regles/tirage_enfant.h"
#include "tirages_scriptes.h"

#include <gtest/gtest.h>

using namespace orvan;
using orvan::test::TiragesScriptes;

namespace {

using Gametes = std::array<std::string, 4>;
using Demandes = std::vector<std::uint32_t>;

// The gametes of "XD,Y" and of "Xd,Xd" with one gene: the second gene's half is empty.
const Gametes pere_xd = {"XD,", "Y,", "XD,", "Y,"};
const Gametes mere_xd_xd = {"Xd,", "Xd,", "Xd,", "Xd,"};
// Two genes on X, "XD,Y" "XH,Y" and "XD,Xd" "XH,Xh": three of the father's four gametes
// hold a Y, and the mother has none.
const Gametes pere_deux_x = {"XD,XH", "Y,Y", "XD,Y", "Y,XH"};
const Gametes mere_deux_x = {"XD,XH", "Xd,Xh", "XD,Xh", "Xd,XH"};

struct Attendu {
    std::string geno1, geno2;
    Sexe sexe;
    Demandes demandes;
};

void verifie(const Gametes& g1, const Gametes& g2, std::deque<std::uint32_t> script,
             const Attendu& a) {
    TiragesScriptes t(std::move(script));
    const Enfant e = tire_enfant(g1, g2, t.tirage());
    EXPECT_EQ(e.geno1, a.geno1);
    EXPECT_EQ(e.geno2, a.geno2);
    EXPECT_EQ(e.sexe, a.sexe);
    EXPECT_EQ(t.demandes, a.demandes);
    EXPECT_TRUE(t.valeurs.empty()) << t.valeurs.size() << " draws left unused";
}

} // namespace

TEST(TirageEnfant, UnGeneSurXLeSexeVientDesX) {
    // Father's gamete 0 "XD,", mother's 2: a daughter, whatever the outline draw said.
    verifie(pere_xd, mere_xd_xd, {0, 2, 1}, {"XD,Xd", ",", Sexe::femme, {4, 4, 2}});
    // Father's gamete 1 "Y,": a son, though the outline draw said circle. With one gene his
    // gamete is "Y," and not "Y,Y": the mother's gamete is not drawn again.
    verifie(pere_xd, mere_xd_xd, {1, 3, 0}, {"Y,Xd", ",", Sexe::homme, {4, 4, 2}});
    // The first parent's allele comes first, whichever parent it is.
    verifie(mere_xd_xd, pere_xd, {0, 3, 1}, {"Xd,Y", ",", Sexe::homme, {4, 4, 2}});
}

TEST(TirageEnfant, UnFilsTireDeNouveauLeGameteDeSaMere) {
    // Father's gamete 1 "Y,Y"; the mother's first gamete 0 holds an X, so it is drawn again
    // and the second one, 3 "Xd,XH", counts.
    verifie(pere_deux_x, mere_deux_x, {1, 0, 3, 0}, {"Y,Xd", "Y,XH", Sexe::homme, {4, 4, 4, 2}});
    // Father's gamete 2 "XD,Y" holds both an X and a Y: it becomes "Y,Y", a son again.
    verifie(pere_deux_x, mere_deux_x, {2, 1, 2, 1}, {"Y,XD", "Y,Xh", Sexe::homme, {4, 4, 4, 2}});
    // Father's gamete 3 "Y,XH" too.
    verifie(pere_deux_x, mere_deux_x, {3, 0, 0, 1}, {"Y,XD", "Y,XH", Sexe::homme, {4, 4, 4, 2}});
    // Father's gamete 0 "XD,XH": a daughter, three draws.
    verifie(pere_deux_x, mere_deux_x, {0, 1, 0}, {"XD,Xd", "XH,Xh", Sexe::femme, {4, 4, 2}});
}

TEST(TirageEnfant, UnSecondParentSansGameteSansYNeTireQuUneFoisDePlus) {
    // "XD,Y" "Y,Y" as second parent: every gamete holds a Y. One more draw, then the loop
    // stops although that gamete holds a Y too.
    const Gametes que_des_y = {"XD,Y", "Y,Y", "XD,Y", "Y,Y"};
    verifie(pere_deux_x, que_des_y, {1, 0, 2, 1}, {"Y,XD", "Y,Y", Sexe::homme, {4, 4, 4, 2}});
    // Without "Y,Y" from the first parent, the second parent's gamete is kept at once.
    verifie(pere_deux_x, que_des_y, {0, 1, 0}, {"XD,Y", "XH,Y", Sexe::homme, {4, 4, 2}});
}

TEST(TirageEnfant, SansXLeSexeDemandeUnSecondTirage) {
    const Gametes pere_a_o = {"A,", "O,", "A,", "O,"};
    const Gametes mere_b_o = {"B,", "O,", "B,", "O,"};
    // The first outline draw (1, square) is replaced by the second (0, circle).
    verifie(pere_a_o, mere_b_o, {0, 3, 1, 0}, {"A,O", ",", Sexe::femme, {4, 4, 2, 2}});
    verifie(pere_a_o, mere_b_o, {1, 0, 0, 1}, {"O,B", ",", Sexe::homme, {4, 4, 2, 2}});
}

TEST(TirageEnfant, DeuxGenesLeSecondSurX) {
    // "A,O" "XD,Y" by "B,B" "XD,Xd": gene 1 has no X, gene 2 gives the sex.
    const Gametes pere = {"A,XD", "O,Y", "A,Y", "O,XD"};
    const Gametes mere = {"B,XD", "B,Xd", "B,Xd", "B,XD"};
    verifie(pere, mere, {1, 1, 0}, {"O,B", "Y,Xd", Sexe::homme, {4, 4, 2}});
    verifie(pere, mere, {3, 0, 1}, {"O,B", "XD,XD", Sexe::femme, {4, 4, 2}});
    // Daltonism first and ABO second: the first gene gives the sex.
    const Gametes pere_x = {"XD,A", "Y,O", "XD,O", "Y,A"};
    const Gametes mere_x = {"Xd,B", "Xd,O", "Xd,O", "Xd,B"};
    verifie(pere_x, mere_x, {3, 1, 1}, {"Y,Xd", "A,O", Sexe::homme, {4, 4, 2}});
}

TEST(TirageEnfant, NombreDEnfants) {
    struct Cas {
        int item;
        bool fondateurs;
        std::deque<std::uint32_t> script;
        int attendu;
        Demandes demandes;
    };
    const std::vector<Cas> cas = {
        // "hasard" for the founders: two draws, in 0..4 then 0..3, and only the last counts.
        {0, true, {4, 1}, 4, {5, 4}},
        {0, true, {0, 3}, 6, {5, 4}},
        // "hasard" for a spouse: one draw, two to six children.
        {0, false, {0}, 2, {5}},
        {0, false, {4}, 6, {5}},
        // A fixed number takes no draw: item i is i + 1 children.
        {1, true, {}, 2, {}},
        {5, false, {}, 6, {}},
        {3, true, {}, 4, {}},
    };
    for (const Cas& c : cas) {
        TiragesScriptes t(c.script);
        EXPECT_EQ(nb_enfants_tire(c.item, c.fondateurs, t.tirage()), c.attendu) << c.item;
        EXPECT_EQ(t.demandes, c.demandes) << c.item;
    }
}

TEST(TirageEnfant, PhenotypeDuGenotype) {
    ModeleCaracteres m;
    m.nb_genotypes = 4;
    m.genotype_texte = {"", "A,O", "O,O", "A,O", "B,"};
    m.phenotype_du_genotype = {"", "[A]", "[O]", "[Porteur]", "]"};
    // The last entry of the genotype counts, without its brackets.
    EXPECT_EQ(phenotype_du_genotype(m, "A,O"), "Porteur");
    EXPECT_EQ(phenotype_du_genotype(m, "O,O"), "O");
    EXPECT_EQ(phenotype_du_genotype(m, "O,A"), "");
    EXPECT_EQ(phenotype_du_genotype(m, "B,"), "");
    // Entries past nb_genotypes are not read.
    m.genotype_texte[5] = "O,A";
    m.phenotype_du_genotype[5] = "[A]";
    EXPECT_EQ(phenotype_du_genotype(m, "O,A"), "");
    // A name is cut to 40 characters.
    m.phenotype_du_genotype[2] = "[" + std::string(45, 'n') + "]";
    EXPECT_EQ(phenotype_du_genotype(m, "O,O"), std::string(40, 'n'));
}
