// The shuffle of the statements, on draw sequences written by hand.
#include "regles/melange.h"
#include "tirages_scriptes.h"

#include <gtest/gtest.h>

using namespace orvan;
using orvan::test::TiragesScriptes;

namespace {

struct Enonces {
    TextesEnonces relations{}, etats{};
    Enonces() {
        relations[1] = "D>d";
        relations[2] = "sur X";
        relations[3] = "D<d";
        relations[4] = "hors du compte";
        etats[1] = "bon";
        etats[2] = "bon";
        etats[3] = "faux";
        etats[4] = "faux";
    }
};

// 1000 draws: the given ones first, then zeros, then the given last ones.
std::deque<std::uint32_t> script(std::deque<std::uint32_t> debut,
                                 const std::deque<std::uint32_t>& fin = {}) {
    while (debut.size() + fin.size() < 1000)
        debut.push_back(0);
    debut.insert(debut.end(), fin.begin(), fin.end());
    return debut;
}

} // namespace

TEST(MelangeEnonces, EchangeLesPairesTireesEnTournant) {
    Enonces e;
    // Pass 1 exchanges 1 and 3, pass 2 exchanges 1 and 2, the last pass 2 and 3; every other
    // pass exchanges entry 1 with itself.
    TiragesScriptes t(script({0, 2, 0, 1}, {1, 2}));
    melange_enonces(e.relations, e.etats, 3, t.tirage());
    // D>d sur X D<d -> D<d sur X D>d -> sur X D<d D>d -> sur X D>d D<d
    EXPECT_EQ(e.relations[1], "sur X");
    EXPECT_EQ(e.relations[2], "D>d");
    EXPECT_EQ(e.relations[3], "D<d");
    // Each truth value goes with its statement.
    EXPECT_EQ(e.etats[1], "bon");
    EXPECT_EQ(e.etats[2], "bon");
    EXPECT_EQ(e.etats[3], "faux");
    // Entries past n and entry 0 stay where they are.
    EXPECT_EQ(e.relations[4], "hors du compte");
    EXPECT_EQ(e.etats[4], "faux");
    EXPECT_EQ(e.relations[0], "");
    EXPECT_EQ(t.demandes, std::vector<std::uint32_t>(1000, 3));
    EXPECT_TRUE(t.valeurs.empty());
}

TEST(MelangeEnonces, MilleTiragesQuelQueSoitLeNombre) {
    // One statement, or none (a draw in an empty range gives 0): 1000 draws all the same, and
    // nothing moves.
    for (int n : {0, 1}) {
        Enonces e;
        TiragesScriptes t(script({}));
        melange_enonces(e.relations, e.etats, n, t.tirage());
        EXPECT_EQ(e.relations[1], "D>d") << n;
        EXPECT_EQ(e.relations[2], "sur X") << n;
        EXPECT_EQ(t.demandes, std::vector<std::uint32_t>(1000, static_cast<std::uint32_t>(n)));
    }
}
