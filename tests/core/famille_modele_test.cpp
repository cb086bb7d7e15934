// The family model on its own: genotype texts read back as written, and the plain questions
// on a family drawn by hand (founders 1 and 2; children 3..6; 5 married to 7, who had 8 and 9).
#include "famille/famille.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace orvan;

TEST(Genotype, ChaqueTexteSeRelitTelQuel) {
    struct Cas {
        std::string texte, premier, second;
        bool vide, porte_y;
    };
    const std::vector<Cas> cas = {
        {"A,O", "A", "O", false, false},
        {"XD,Y", "XD", "Y", false, true},
        {"Y,Xd", "Y", "Xd", false, true},
        {"Xd,Xd", "Xd", "Xd", false, false},
        // A child of a one-gene family: no allele on either side of its second gene.
        {",", "", "", false, false},
        // A gene never given a genotype.
        {"", "", "", true, false},
        // A bank of the language file without "," and a genotype cut inside its second allele.
        {"AO", "AO", "", false, false},
        {"Rh+,Rh-,Rh", "Rh+", "Rh-,Rh", false, false},
        {"YY,X", "YY", "X", false, false},
    };
    for (const Cas& c : cas) {
        const Genotype g = Genotype::lu(c.texte);
        EXPECT_EQ(g.texte(), c.texte);
        EXPECT_EQ(g.premier(), c.premier) << c.texte;
        EXPECT_EQ(g.second(), c.second) << c.texte;
        EXPECT_EQ(g.vide(), c.vide) << c.texte;
        EXPECT_EQ(g.porte_y(), c.porte_y) << c.texte;
    }
    EXPECT_NE(Genotype::lu(""), Genotype::lu(","));
}

namespace {

Famille famille_dessinee() {
    // Children of the founders from left to right 3, 4, 5, 6; 7 beside 5; 9 left of 8.
    const int gauches[] = {0, 300, 360, 100, 200, 300, 400, 340, 340, 280};
    const int hauts[] = {0, 50, 50, 150, 150, 150, 150, 150, 250, 250};
    Famille f;
    f.place_fondateurs({gauches[1], hauts[1]}, {gauches[2], hauts[2]});
    EXPECT_TRUE(f.ajoute_union(1, 2, 3, 4) && f.numerote_jusqu_a(6));
    EXPECT_EQ(f.ajoute_conjoint(5, {gauches[7], hauts[7]}), 7);
    EXPECT_TRUE(f.ajoute_union(5, 7, 8, 2) && f.numerote_jusqu_a(9));
    for (int k = 3; k <= 9; ++k)
        EXPECT_TRUE(f.montre(k, true) && f.deplace(k, {gauches[k], hauts[k]}));
    return f;
}

} // namespace

TEST(Famille, LesQuestionsDUnEleve) {
    const Famille f = famille_dessinee();
    EXPECT_EQ(f.parents(4), (Parents{1, 2}));
    EXPECT_EQ(f.parents(9), (Parents{5, 7}));
    EXPECT_FALSE(f.parents(1));
    EXPECT_FALSE(f.parents(7));
    EXPECT_EQ(f.enfants(1), (std::vector<int>{3, 4, 5, 6}));
    EXPECT_EQ(f.enfants(7), (std::vector<int>{8, 9}));
    EXPECT_TRUE(f.enfants(3).empty());
    EXPECT_EQ(f.conjoints(5), std::vector<int>{7});
    EXPECT_EQ(f.conjoints(2), std::vector<int>{1});

    // I-1 I-2; II-1..II-5 with the spouse 7 between 5 and 6; III-1 is 9, III-2 is 8.
    struct Numero {
        int k, generation, place;
    };
    for (const Numero n : std::vector<Numero>{{1, 1, 1},
                                              {2, 1, 2},
                                              {3, 2, 1},
                                              {4, 2, 2},
                                              {5, 2, 3},
                                              {7, 2, 4},
                                              {6, 2, 5},
                                              {9, 3, 1},
                                              {8, 3, 2}}) {
        EXPECT_EQ(f.generation(n.k), n.generation) << n.k;
        EXPECT_EQ(f.place(n.k), n.place) << n.k;
    }
    EXPECT_EQ(f.generation(10), 0);
    EXPECT_EQ(f.place(10), 0);
}

TEST(Famille, LEleveNeConnaitQueLesGenotypesSaisis) {
    Individu i;
    EXPECT_EQ(i.bulle(), "");
    i.genotype(1) = Genotype::lu("XD,Y");
    i.genotype_donne = true;
    EXPECT_EQ(i.bulle(), "XD,Y//");
    EXPECT_EQ(i.genotype_connu(), nullptr);
    i.genotype_saisi = true;
    ASSERT_NE(i.genotype_connu(), nullptr);
    EXPECT_EQ((*i.genotype_connu())[0].texte(), "XD,Y");
}

// What the family refuses leaves it as it stood: numbers outside 1..40, genes other than 1 and
// 2, a sibship numbered before its parents or past the pedigree's end, a twelfth union.
TEST(Famille, LesOperationsQuiCasseraientLaNumerotationSontRefusees) {
    struct Cas {
        const char* quoi;
        std::function<bool(Famille&)> operation;
    };
    const std::vector<Cas> cas = {
        {"individu 0", [](Famille& f) { return f.montre(0, true); }},
        {"individu 41", [](Famille& f) { return f.donne_sexe(41, Sexe::femme); }},
        {"gène 3", [](Famille& f) { return f.donne_genotype(3, 3, Genotype::lu("A,O")); }},
        {"gène 0", [](Famille& f) { return f.donne_phenotype(3, 0, "A"); }},
        {"numéro -1", [](Famille& f) { return f.numerote_jusqu_a(-1); }},
        {"numéro 42", [](Famille& f) { return f.numerote_jusqu_a(42); }},
        {"enfants avant un parent", [](Famille& f) { return f.ajoute_union(5, 7, 6, 1); }},
        {"fratrie au-delà de 40", [](Famille& f) { return f.ajoute_union(5, 10, 39, 3); }},
        {"fratrie négative", [](Famille& f) { return f.ajoute_union(5, 10, 11, -1); }},
        {"parent 41", [](Famille& f) { return f.ajoute_union(5, 41, 42, 0); }},
    };
    for (const Cas& c : cas) {
        Famille f = famille_dessinee();
        const Famille avant = f;
        EXPECT_FALSE(c.operation(f)) << c.quoi;
        EXPECT_EQ(f.unions_tirees(), avant.unions_tirees()) << c.quoi;
        EXPECT_EQ(f.dernier_indiv(), avant.dernier_indiv()) << c.quoi;
        for (int k = 1; k <= max_individus; ++k)
            EXPECT_TRUE(f.individu(k).sexe == avant.individu(k).sexe &&
                        f.individu(k).visible == avant.individu(k).visible &&
                        f.individu(k).genotype(1) == avant.individu(k).genotype(1))
                << c.quoi << ", individu " << k;
    }

    // The pedigree full, no spouse can be added; eleven unions, no twelfth.
    Famille pleine = famille_dessinee();
    ASSERT_TRUE(pleine.numerote_jusqu_a(max_individus));
    EXPECT_EQ(pleine.ajoute_conjoint(6, {0, 150}), 0);
    EXPECT_EQ(pleine.dernier_indiv(), max_individus);
    for (int u = 2; u <= max_unions; ++u)
        ASSERT_TRUE(pleine.ajoute_union(3, 4, 10 + u, 0)) << u;
    EXPECT_FALSE(pleine.ajoute_union(3, 4, 30, 0));
    EXPECT_EQ(pleine.nb_unions(), max_unions + 1);
}
