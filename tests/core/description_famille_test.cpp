// The family as the screen reader and the keyboard know it, on a saved family of three
// generations.
#include "app/description_famille.h"
#include "history/fichier_gen.h"
#include "plateforme_test.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace orvan;
using namespace orvan::test;

namespace {

const std::string donnees = ORVAN_TEST_DATA;

void ouvre(Session& s, const std::string& nom) {
    s->journal.lignes() = lit_fichier_gen(donnees + "/" + nom + ".gen").lignes;
    s->historique.rejoue_journal();
}

std::vector<std::string> lignes(const std::string& chemin) {
    std::ifstream f(chemin);
    std::vector<std::string> r;
    for (std::string l; std::getline(f, l);)
        if (!l.empty()) r.push_back(l);
    return r;
}

int numero(const std::vector<IndividuDecrit>& famille, const std::string& n) {
    for (const IndividuDecrit& i : famille)
        if (i.numero == n) return i.k;
    return 0;
}

} // namespace

// The list the screen reader's check also reads, written from the family's dump: the rows of
// symbols from the left, outlines, labels.
TEST(DescriptionFamille, NomsDesIndividusDansLOrdreDeLecture) {
    Session s;
    ouvre(s, "trois_generations");
    std::vector<std::string> noms;
    for (const IndividuDecrit& i : decrit_famille(*s))
        noms.push_back(nom_accessible(i, Langue::francais));
    EXPECT_EQ(noms, lignes(donnees + "/trois_generations.noms"));
}

TEST(DescriptionFamille, GenotypesEtParentesSeulementCeQuiEstMontre) {
    Session s;
    ouvre(s, "trois_generations");
    s->menus.avec_info_genotype->clic();
    auto famille = decrit_famille(*s);
    const IndividuDecrit& mere = *trouve(famille, 2);
    EXPECT_EQ(nom_accessible(mere, Langue::francais),
              "I-2, femme, [d], daltonienne, génotype Xd,Xd");
    EXPECT_EQ(description_accessible(*trouve(famille, 3), famille, Langue::francais),
              "fils de I-1 et I-2 ; époux de II-2 ; parent de III-1, III-2, III-3 et III-4");
    // In English, read from the same family whatever language its lists were shown in.
    s->menus.anglais->clic();
    famille = decrit_famille(*s);
    EXPECT_EQ(nom_accessible(*trouve(famille, 2), Langue::anglais),
              "I-2, woman, [d], colour-blind, genotype Xd,Xd");
    EXPECT_EQ(description_accessible(*trouve(famille, 3), famille, Langue::anglais),
              "son of I-1 and I-2 ; husband of II-2 ; parent of III-1, III-2, III-3 and III-4");
    // The genotype exercise hides the hints: the names do not answer its questions.
    s->menus.exercice_genotypes->clic();
    famille = decrit_famille(*s);
    EXPECT_EQ(nom_accessible(*trouve(famille, 2), Langue::francais),
              "I-2, femme, [d], daltonienne");
}

// The daughters of a colour-blind mother carry her allele for sure; a man never carries an
// X-linked allele unseen. The name says what the text under the symbol says.
TEST(DescriptionFamille, LesProbabilitesMontreesSontDansLeNom) {
    Session s;
    ouvre(s, "trois_generations");
    s->menus.probabilites->clic();
    s->actualise_probabilites();
    auto famille = decrit_famille(*s);
    const int fille = numero(famille, "II-4");
    EXPECT_EQ(nom_accessible(*trouve(famille, fille), Langue::francais),
              "II-4, femme, [D], porteuse : 1");
    EXPECT_EQ(nom_accessible(*trouve(famille, fille), Langue::anglais),
              "II-4, woman, [D], carrier: 1");
    EXPECT_EQ(nom_accessible(*trouve(famille, 1), Langue::francais), "I-1, homme, [D]");
    s->menus.probabilites->clic();
    s->actualise_probabilites();
    famille = decrit_famille(*s);
    EXPECT_EQ(nom_accessible(*trouve(famille, fille), Langue::francais), "II-4, femme, [D]");
}

TEST(DescriptionFamille, LesFlechesSuiventLeDessin) {
    Session s;
    ouvre(s, "trois_generations");
    const auto famille = decrit_famille(*s);
    struct Cas {
        const char *depart, *arrivee;
        Direction d;
    };
    const Cas cas[] = {
        {"I-1", "I-2", Direction::droite},  {"I-2", "", Direction::droite},
        {"I-1", "", Direction::haut},       {"I-1", "II-1", Direction::bas},
        {"II-1", "I-1", Direction::haut},   {"II-1", "II-2", Direction::droite},
        {"II-1", "III-1", Direction::bas},  {"III-2", "III-1", Direction::gauche},
        {"III-2", "II-1", Direction::haut},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(voisin(famille, numero(famille, c.depart), c.d), numero(famille, c.arrivee))
            << c.depart << " -> " << c.arrivee;
}

TEST(DescriptionFamille, CeQueDitUnPhenotype) {
    struct Cas {
        const char *gene, *phenotype;
        bool femme;
        const char *attendu, *anglais;
    };
    const Cas cas[] = {
        {"Daltonisme d", "d", true, "daltonienne", "colour-blind"},
        {"Daltonisme d", "d", false, "daltonien", "colour-blind"},
        {"Daltonisme d", "D", true, "", ""},
        {"Hémophilie h", "h", false, "hémophile", "haemophiliac"},
        {"Groupes ABO", "A", true, "", ""},
        {"Facteur rhésus rh+ rh-", "Rh-", true, "", ""},
        {"Myopathie m", "m", true, "atteinte de myopathie", "affected by myopathie"},
    };
    for (const Cas& c : cas) {
        const Texte t = qualificatif_du_phenotype(c.gene, c.phenotype, c.femme);
        EXPECT_EQ(t.francais, c.attendu) << c.gene;
        EXPECT_EQ(t.anglais, c.anglais) << c.gene;
    }
}
