// The PED export's affected phenotype must be one of the gene's: otherwise everyone would be
// written unaffected, an answer to a question nobody asked.
#include "app/commande_statistiques.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace orvan;

TEST(CommandePed, UnPhenotypeQueLeGeneNAPasEstRefuse) {
    const std::string famille = ORVAN_TEST_DATA "/trois_generations.gen";
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(commande_ped({famille, "--atteint", "Z"}, sortie, erreurs, Langue::francais), 2);
    EXPECT_TRUE(sortie.str().empty());
    EXPECT_NE(erreurs.str().find("n'a pas de phénotype «\u00a0Z\u00a0» (il a D, d)"),
              std::string::npos)
        << erreurs.str();
    std::ostringstream sortie_d, erreurs_d;
    EXPECT_EQ(commande_ped({famille, "--atteint", "d"}, sortie_d, erreurs_d, Langue::francais), 0);
    EXPECT_FALSE(sortie_d.str().empty());
}
