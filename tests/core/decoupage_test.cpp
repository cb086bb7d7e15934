#include "ground/texte.h"
#include "regles/decoupage.h"
#include "regles/gametes.h"

#include <gtest/gtest.h>

using namespace orvan;

namespace {

using Paires = std::vector<std::pair<std::string, int>>;
using Textes = std::vector<std::string>;

// Each statement followed by "+" when true, "-" when false.
Textes enonces(const std::string& ligne) {
    Textes r;
    for (const auto& e : decoupe_relations(ligne))
        r.push_back(e.texte + (e.vrai ? "+" : "-"));
    return r;
}

} // namespace

TEST(Decoupage, EntetesPhenotypesEtGenotypes) {
    EXPECT_EQ(nom_gene("{Hémophilie h}"), "Hémophilie h");
    EXPECT_EQ(nom_gene("x{Gène}é"), "{Gène}");
    std::string long_nom, attendu;
    for (int i = 0; i < 30; ++i)
        long_nom += "éa";
    for (int i = 0; i < 25; ++i)
        attendu += "éa";
    EXPECT_EQ(nom_gene("{" + long_nom + "}"), attendu);

    EXPECT_EQ(texte_choix_phenotype("D,X,10,0"), "D,");
    EXPECT_EQ(nom_phenotype("D,X,10,0"), "D");
    EXPECT_EQ(texte_choix_phenotype("Rh+,11,10,0"), "Rh+,");

    const ListeGenotypes a = decoupe_genotypes("[A]=(A,A),(A,A),(A,O),(O,A)");
    EXPECT_EQ(a.phenotype, "[A]");
    EXPECT_EQ(a.genotypes, (Textes{"A,A", "A,A", "A,O", "O,A"}));
    EXPECT_EQ(decoupe_genotypes("[Rh-]=(Rh-,Rh-)").genotypes, Textes{"Rh-,Rh-"});
    EXPECT_TRUE(decoupe_genotypes("[O]=").genotypes.empty());
}

TEST(Decoupage, RelationsVraiesJusquALaBarre) {
    EXPECT_EQ(enonces("(D,d)=(D>d),(sur X)/(D<d),(D=d),(sur Y),(autosomal)"),
              (Textes{"D>d+", "sur X+", "D<d-", "D=d-", "sur Y-", "autosomal-"}));
    EXPECT_EQ(enonces("(Rh+,Rh-)=(Rh+>Rh-),(autosomal)/(Rh+=Rh-),(Rh+<Rh-),(sur X),(sur Y)"),
              (Textes{"Rh+>Rh-+", "autosomal+", "Rh+=Rh--", "Rh+<Rh--", "sur X-", "sur Y-"}));
    // Only the label's "=" is dropped through, not a statement's.
    EXPECT_EQ(enonces("(A,B,O)=(A=B),(A>O)/(A<O)"), (Textes{"A=B+", "A>O+", "A<O-"}));
    EXPECT_EQ(enonces("(x)=(a)/(b),(c)"), (Textes{"a+", "b-", "c-"}));
    EXPECT_EQ(enonces("(x)=(a),(b) fin"), (Textes{"a+", "b+"}));
    EXPECT_TRUE(enonces("(x)=").empty());
    // At most 200 characters after the "=" are read.
    const std::string long_enonce(198, 'a');
    EXPECT_EQ(enonces("(x)=(" + long_enonce + "),(b)"), Textes{long_enonce + "+"});
}

TEST(Decoupage, LignesDeCouleurs) {
    EXPECT_EQ(decoupe_couleurs("#[D]=15,[d]=10"), (Paires{{"D", 15}, {"d", 10}}));
    EXPECT_EQ(decoupe_couleurs("#[Rh-]=10,[O]=13"), (Paires{{"Rh-", 10}, {"O", 13}}));
    EXPECT_EQ(decoupe_couleurs("#[A]=x1,[B]=1x,[C]=1 2,[E]=7"), (Paires{{"E", 7}}));
    EXPECT_TRUE(decoupe_couleurs("#").empty());
}

TEST(Gametes, AllelesGametesEtSexe) {
    EXPECT_EQ(tete("XD,Y"), "XD");
    EXPECT_EQ(tete("AB"), "");
    EXPECT_EQ(queue("ABCDEFGHIJKL", 10), "ABCDEFGHIJ");
    EXPECT_EQ(queue("A,BCDEFGHIJKLM", 10), "BCDEFGHIJK");

    using Quatre = std::array<std::string, 4>;
    EXPECT_EQ(gametes("XD,Y", ""), (Quatre{"XD,", "Y,", "XD,", "Y,"}));
    EXPECT_EQ(gametes("A,O", "XD,Y"), (Quatre{"A,XD", "O,Y", "A,Y", "O,XD"}));
    EXPECT_EQ(gametes("ABCDEFGHIJKLMNOPQRSTUVW,x", "y,z")[0], "ABCDEFGHIJKLMNOPQRST");

    // One sex chromosome a gamete: a father of two genes on the X gives his X whole, or his Y.
    const auto sexuel = RegleGametes::un_chromosome_sexuel;
    EXPECT_EQ(gametes("XD,Y", "XH,Y", sexuel), (Quatre{"XD,XH", "Y,Y", "XD,XH", "Y,Y"}));
    EXPECT_EQ(gametes("Y,Xd", "XH,Y", sexuel), (Quatre{"Xd,XH", "Y,Y", "Xd,XH", "Y,Y"}));
    EXPECT_EQ(gametes("XD,Y", "XH,Y", RegleGametes::melange_libre),
              (Quatre{"XD,XH", "Y,Y", "XD,Y", "Y,XH"}));
    // A mother's genes still assort freely, and so do a father's when one gene is not on X.
    EXPECT_EQ(gametes("XD,Xd", "XH,Xh", sexuel), (Quatre{"XD,XH", "Xd,Xh", "XD,Xh", "Xd,XH"}));
    EXPECT_EQ(gametes("A,O", "XD,Y", sexuel), (Quatre{"A,XD", "O,Y", "A,Y", "O,XD"}));
    EXPECT_EQ(gametes("XD,Y", "", sexuel), (Quatre{"XD,", "Y,", "XD,", "Y,"}));

    EXPECT_TRUE(convient_au_sexe("XD,Xd", Sexe::femme) && convient_au_sexe("A,O", Sexe::femme));
    EXPECT_FALSE(convient_au_sexe("Y,Xd", Sexe::femme) || convient_au_sexe("XD,XD", Sexe::homme));
    EXPECT_TRUE(convient_au_sexe("XD,Y", Sexe::homme) && convient_au_sexe("A,O", Sexe::homme));

    EXPECT_EQ(sexe_genotype("Y,Xd"), Sexe::homme);
    EXPECT_EQ(sexe_genotype("XD,Xd"), Sexe::femme);
    EXPECT_EQ(sexe_genotype("A,O"), std::nullopt);
    EXPECT_TRUE(deux_x("XD,Xd"));
    EXPECT_FALSE(deux_x("Y,XD"));
}

TEST(Texte, CoupeParCaracteresEtLitLesEntiers) {
    EXPECT_EQ(coupe("éàü", 2), "éà");
    EXPECT_EQ(nb_caracteres("Hémophilie"), 10u);
    EXPECT_EQ(avant("D", ','), "D");
    EXPECT_EQ(entier_strict("-3"), -3);
    EXPECT_FALSE(entier_strict("1x").has_value());
}
