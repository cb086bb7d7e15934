#include "ground/generateur.h"

#include <gtest/gtest.h>
#include <vector>

using orvan::Generateur;

namespace {

std::vector<std::uint32_t> tirages(std::uint32_t graine, std::uint32_t n, int fois) {
    Generateur g{graine};
    std::vector<std::uint32_t> r;
    for (int i = 0; i < fois; ++i)
        r.push_back(g.tirage_alea(n));
    return r;
}

} // namespace

TEST(Generateur, ReproduitLesSuitesConnues) {
    EXPECT_EQ(tirages(0, 10, 5), (std::vector<std::uint32_t>{0, 0, 8, 2, 2}));
    EXPECT_EQ(tirages(12345678, 6, 5), (std::vector<std::uint32_t>{3, 3, 0, 5, 2}));
    EXPECT_EQ(tirages(86399999, 100, 3), (std::vector<std::uint32_t>{72, 99, 33}));
}

TEST(Generateur, ChaqueTirageAvanceLEtatUneFois) {
    Generateur g{0};
    const std::uint32_t attendus[] = {1, 134775814, 3698175007u, 870078620, 1172187917};
    for (std::uint32_t e : attendus) {
        g.tirage_alea(10);
        EXPECT_EQ(g.graine_alea, e);
    }
    Generateur z{0};
    EXPECT_EQ(z.tirage_alea(0), 0u);
    EXPECT_EQ(z.graine_alea, 1u);
    EXPECT_EQ(z.tirage_alea(1), 0u);
    EXPECT_EQ(z.graine_alea, 134775814u);
}
