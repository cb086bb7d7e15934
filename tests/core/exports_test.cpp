// The exports of a family for other programs: PED and CSV.
#include "app/commande_statistiques.h"
#include "app/recolte.h"
#include "statistiques/export_csv.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace orvan;

// The affected phenotype must be one of the gene's: otherwise everyone would be written
// unaffected, an answer to a question nobody asked.
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

// An English class reads its spreadsheet in English: headers, sexes and the gene's name.
TEST(ExportCsv, LesTextesSuiventLaLangue) {
    Recolteur recolteur;
    auto r = recolteur.fichiers({ORVAN_TEST_DATA "/classe/famille_c.gen"});
    ASSERT_EQ(r.familles.size(), 1u);
    r.familles[0].source = "famille_c.gen";
    const std::string csv = csv_des_familles(r.familles, Langue::anglais);
    const std::string debut =
        "\xEF\xBB\xBF"
        "file;seed;n;individual;sex;father;mother;gene 1;phenotype 1;genotype 1;"
        "carrier probability 1\r\n"
        "famille_c.gen;99;1;I-1;man;;;Rhesus factor;Rh+;Rh+,Rh-;1,000000\r\n";
    EXPECT_EQ(csv.substr(0, debut.size()), debut);
}
