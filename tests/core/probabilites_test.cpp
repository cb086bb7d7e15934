// The probabilities a teacher works out by hand, under both priors.
#include "familles_vues.h"
#include "probabilites/moteur_probabilites.h"

#include <gtest/gtest.h>

namespace orvan::test {
namespace {

ReglagesProbabilites reglages(APriori a, std::map<std::string, FrequencesGene> f = {}) {
    return {a, std::move(f)};
}

Rationnel porteur(const FamilleVue& famille, const ReglagesProbabilites& r, int numero) {
    LoiEnfantProgramme lois;
    MoteurProbabilites moteur(famille, r, lois);
    const ResultatProbabilites res = moteur.calcule();
    EXPECT_FALSE(res.contradiction.has_value());
    for (const ProbabilitesIndividu& p : res.individus)
        if (p.numero == numero) return probabilite_porteur(moteur.espace(0), p.genes[0]);
    ADD_FAILURE() << "pas d'individu " << numero;
    return -1;
}

// A carrier's daughter, married to an unaffected man, with n unaffected sons.
FamilleVue fille_de_conductrice(int n) {
    FamilleVue f{
        {gene_de_la_banque("Hémophilie h")},
        {vu(1, H, "H"), vu(2, F, "H"), vu(3, H, "h", 1, 2), vu(4, F, "H", 1, 2), vu(5, H, "H")}};
    for (int k = 0; k < n; ++k)
        f.individus.push_back(vu(6 + k, H, "H", 4, 5));
    return f;
}

struct Cas {
    const char* nom;
    FamilleVue famille;
    int numero;
    Rationnel programme, population;
};

TEST(Probabilites, ValeursCalculeesALaMain) {
    const GeneVu rhesus = gene_de_la_banque("Facteur rhésus rh+ rh-");
    const GeneVu daltonisme = gene_de_la_banque("Daltonisme d");
    const GeneVu abo = gene_de_la_banque("Groupes ABO");
    // [A] x [B] with an [AB] and an [A] child: the mother is BO; the father AA weighs 1/2 x 1/4
    // against AO 1/2 x 1/16 (program: AA and AO one half each; population with three alleles
    // of a third each: AA 1/3, AO 2/3).
    const FamilleVue a_b{{abo},
                         {vu(1, H, "A"), vu(2, F, "B"), vu(3, H, "AB", 1, 2), vu(4, F, "A", 1, 2)}};
    const std::vector<Cas> cas = {
        {"rhésus",
         {{rhesus},
          {vu(1, H, "Rh+"), vu(2, F, "Rh+"), vu(3, H, "Rh-", 1, 2), vu(4, F, "Rh+", 1, 2)}},
         4,
         Rationnel(2, 3),
         Rationnel(2, 3)},
        {"hémophilie, 1 fils", fille_de_conductrice(1), 4, Rationnel(1, 3), Rationnel(1, 3)},
        {"hémophilie, 2 fils", fille_de_conductrice(2), 4, Rationnel(1, 5), Rationnel(1, 5)},
        {"hémophilie, 3 fils", fille_de_conductrice(3), 4, Rationnel(1, 9), Rationnel(1, 9)},
        {"fille de daltonien",
         {{daltonisme}, {vu(1, H, "d"), vu(2, F, "D"), vu(3, F, "D", 1, 2)}},
         3,
         1,
         1},
        {"ABO, père", a_b, 1, Rationnel(1, 5), Rationnel(1, 3)},
        {"ABO, mère", a_b, 2, 1, 1},
        {"ABO, enfant [A]", a_b, 4, 1, 1},
    };
    const auto tiers = reglages(
        APriori::population,
        {{"Groupes ABO", {{"A", Rationnel(1, 3)}, {"B", Rationnel(1, 3)}, {"O", Rationnel(1, 3)}}},
         {"Facteur rhésus rh+ rh-", {{"Rh+", Rationnel(1, 2)}, {"Rh-", Rationnel(1, 2)}}},
         {"Hémophilie h", {{"XH", Rationnel(9, 10)}, {"Xh", Rationnel(1, 10)}}},
         {"Daltonisme d", {{"XD", Rationnel(9, 10)}, {"Xd", Rationnel(1, 10)}}}});
    for (const Cas& c : cas) {
        EXPECT_EQ(porteur(c.famille, reglages(APriori::programme), c.numero), c.programme) << c.nom;
        EXPECT_EQ(porteur(c.famille, tiers, c.numero), c.population) << c.nom;
    }
}

TEST(Probabilites, TableDeBayesDeLaFilleDeConductrice) {
    LoiEnfantProgramme lois;
    MoteurProbabilites moteur(fille_de_conductrice(1), reglages(APriori::programme), lois);
    const auto table = moteur.table_bayes(4, 1);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].genotype, "XH,XH");
    EXPECT_EQ(table[1].genotype, "XH,Xh");
    const Rationnel moitie(1, 2);
    EXPECT_EQ(table[0].a_priori, moitie);
    EXPECT_EQ(table[1].a_priori, moitie);
    EXPECT_EQ(table[0].conditionnelle, 1);
    EXPECT_EQ(table[1].conditionnelle, moitie);
    EXPECT_EQ(table[1].jointe, Rationnel(1, 4));
    EXPECT_EQ(table[0].a_posteriori, Rationnel(2, 3));
    EXPECT_EQ(table[1].a_posteriori, Rationnel(1, 3));
}

TEST(Probabilites, UnGenotypeSaisiQueLesParentsNePeuventDonnerEstNomme) {
    const FamilleVue f{{gene_de_la_banque("Daltonisme d")},
                       {vu(1, H, "d", 0, 0, "Xd,Y"), vu(2, F, "D"), vu(3, F, "D", 1, 2),
                        vu(4, F, "D", 1, 2, "XD,XD")}};
    for (APriori a : {APriori::programme, APriori::population}) {
        LoiEnfantProgramme lois;
        MoteurProbabilites moteur(f, reglages(a, {{"Daltonisme d", {{"XD", 1}, {"Xd", 1}}}}), lois);
        const auto c = moteur.calcule().contradiction;
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->numero, 4);
        EXPECT_TRUE(c->genotype);
        EXPECT_EQ(c->texte, "XD,XD");
        EXPECT_TRUE(moteur.table_bayes(3, 1).empty());
    }
}

// Two couples that no union joins: the first possible, the second a daughter [h] of a father
// [H], who must give her his X. The family is impossible; looking at the first individual's
// part alone, the engine once divided by zero in the second.
TEST(Probabilites, UneFamilleEnDeuxPartiesDontUneImpossibleEstDiteImpossible) {
    const FamilleVue f{{gene_de_la_banque("Hémophilie h")},
                       {vu(1, H, "H"), vu(2, F, "H"), vu(3, H, "H", 1, 2), vu(4, H, "H"),
                        vu(5, F, "h"), vu(6, F, "h", 4, 5)}};
    LoiEnfantProgramme lois;
    MoteurProbabilites moteur(f, reglages(APriori::programme), lois);
    const ResultatProbabilites r = moteur.calcule();
    ASSERT_TRUE(r.contradiction.has_value());
    EXPECT_TRUE(r.individus.empty());
    EXPECT_TRUE(moteur.table_bayes(6, 1).empty());
}

} // namespace
} // namespace orvan::test
