#include "famille_test.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace orvan;
using namespace orvan::test;

namespace {

using Enonces = std::vector<std::pair<std::string, std::string>>;
using Textes = std::vector<std::string>;

const Enonces daltonisme = {{"D>d", "bon"},  {"sur X", "bon"},  {"D<d", "faux"},
                            {"D=d", "faux"}, {"sur Y", "faux"}, {"autosomal", "faux"}};
const Enonces abo = {{"A=B", "bon"},    {"A>O", "bon"},   {"B>O", "bon"},  {"autosomal", "bon"},
                     {"A=O", "faux"},   {"B=O", "faux"},  {"A<O", "faux"}, {"B<O", "faux"},
                     {"sur X", "faux"}, {"sur Y", "faux"}};

// The statements in alphabetical order, to compare them whatever order the shuffle left.
Enonces tries(Enonces e) {
    std::sort(e.begin(), e.end());
    return e;
}

Enonces enonces(const FenetrePrincipale& f, int g) {
    Enonces r;
    for (int i = 1; i <= f.genes.modele.nb_relations[g]; ++i)
        r.emplace_back(f.genes.modele.relation[g][i],
                       f.genes.modele.etat_relation[g][i] == EtatEnonce::bon ? "bon" : "faux");
    return r;
}

Textes cases(const FenetrePrincipale& f, int g) {
    Textes r;
    for (int i = 1; i <= 16; ++i)
        if (f.genotypes.case_genotype[g][i]->visible)
            r.push_back(f.genotypes.case_genotype[g][i]->caption);
    return r;
}

} // namespace

TEST(ModeleCaracteres, DaltonismeSeul) {
    Session s;
    EXPECT_EQ(s->phenotypes.premier_phenotype->items, (Textes{"D,", "d,"}));
    EXPECT_EQ(s->couleurs.nom_legende[1]->caption, "D");
    EXPECT_EQ(s->couleurs.nom_legende[2]->caption, "d");
    EXPECT_EQ(s->couleurs.figure_legende[1]->remplissage, cyan);
    EXPECT_EQ(s->couleurs.figure_legende[2]->remplissage, rouge);
    EXPECT_TRUE(s->couleurs.nom_legende[2]->visible && !s->couleurs.nom_legende[3]->visible);

    const Textes table = {"XD,XD", "XD,Xd", "Xd,XD", "XD,Y", "Y,XD",
                          "XD,Y",  "Xd,Xd", "Xd,Xd", "Xd,Y", "Y,Xd"};
    ASSERT_EQ(s->genes.modele.nb_genotypes, 10);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(s->genes.modele.genotype_texte[k], table[k - 1]) << k;
        EXPECT_EQ(s->genes.modele.phenotype_du_genotype[k], k <= 6 ? "[D]" : "[d]") << k;
    }
    EXPECT_EQ(cases(*s, 1),
              (Textes{"XD,XD", "XD,Xd", "Xd,XD", "XD,Y", "Y,XD", "Xd,Xd", "Xd,Y", "Y,Xd"}));
    EXPECT_TRUE(cases(*s, 2).empty());
    EXPECT_EQ(s->genotypes.radio_genotype[1]->items, Textes(table.begin() + 1, table.end()));

    // A new confirmation shuffles the six statements again with exactly 1000 draws; each keeps
    // its truth value.
    const Generateur g = s->alea;
    s->genes.confirme_genes();
    EXPECT_EQ(nb_tirages_depuis(g, s->alea), 1000);
    EXPECT_EQ(tries(enonces(*s, 1)), tries(daltonisme));
    for (int i = 1; i <= 6; ++i) {
        const CaseACocher& c = *s->alleles.case_relation[1][i];
        EXPECT_TRUE(c.visible && c.checked);
        EXPECT_EQ(c.caption, s->genes.modele.relation[1][i]);
        EXPECT_EQ(c.width,
                  s.plateforme.mesure(c.caption, s->coquille.mesure_relation->police).largeur + 14);
    }
    EXPECT_FALSE(s->alleles.case_relation[1][7]->visible ||
                 s->alleles.case_relation[2][1]->visible);
}

TEST(ModeleCaracteres, GroupesABOEtPanneauDesPhenotypes) {
    Session s;
    choisit_genes(s, 1);
    EXPECT_EQ(s->phenotypes.premier_phenotype->items, (Textes{"A,", "B,", "AB,", "O,"}));
    // The pupil reads them as the labels write them.
    EXPECT_EQ(s->phenotypes.premier_phenotype->textes_lus, (Textes{"[A]", "[B]", "[AB]", "[O]"}));
    EXPECT_FALSE(s->couleurs.nom_legende[5]->visible);
    // O from the rhesus entry's colour line; B keeps the red that d had.
    EXPECT_EQ(s->couleurs.figure_legende[4]->remplissage, bleu);
    EXPECT_EQ(s->couleurs.figure_legende[2]->remplissage, rouge);
    EXPECT_EQ(s->genes.modele.nb_genotypes, 11);
    EXPECT_EQ(cases(*s, 1),
              (Textes{"A,A", "A,O", "O,A", "B,B", "B,O", "O,B", "A,B", "B,A", "O,O"}));
    EXPECT_EQ(tries(enonces(*s, 1)), tries(abo));

    // One and a half line heights for the gene's name and for each phenotype, rounded before
    // the product: 5 x 20.
    EXPECT_EQ(s->phenotypes.premier_phenotype->height, 100);
    EXPECT_EQ(s->phenotypes.groupe_nb_descendants->top,
              s->phenotypes.premier_phenotype->bottom() + 5);
    EXPECT_EQ(s->phenotypes.groupe_nb_descendants->left, s->phenotypes.premier_phenotype->left);
    EXPECT_EQ(s->phenotypes.ok->top, s->phenotypes.groupe_nb_descendants->bottom() + 5);
    EXPECT_EQ(s->phenotypes.annuler->left, s->phenotypes.ok->right() + 3);
    EXPECT_EQ(s->phenotypes.panneau->height, s->phenotypes.ok->bottom() + 5);
    EXPECT_EQ(s->phenotypes.panneau->width, s->phenotypes.premier_phenotype->right() + 7);
    EXPECT_EQ(s->alleles.panneau->width, 147);
    EXPECT_EQ(s->couleurs.ok->top, s->couleurs.nom_legende[4]->bottom() + 5);
}

TEST(ModeleCaracteres, DeuxGenes) {
    Session s;
    const Generateur g = s->alea;
    choisit_genes(s, 0, 1);
    EXPECT_EQ(Textes(s.journal().end() - 4, s.journal().end()),
              (Textes{"bitbtn5click", "group_premclick.0", "group_secclick.1", "bitbtn1click"}));
    EXPECT_EQ(s->coquille.titre->caption, "Daltonisme d et Groupes ABO");
    EXPECT_EQ(s->coquille.titre->hint,
              "Mauvaise vision des couleurs Exprimé à la surface des hématies");
    const Textes noms = {"D", "d", "A", "B", "AB", "O"};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(s->couleurs.nom_legende[i]->caption, noms[i - 1]);
    EXPECT_FALSE(s->couleurs.nom_legende[7]->visible);
    EXPECT_EQ(s->genes.modele.nb_genotypes, 21);
    // 1000 draws for each gene's statements.
    EXPECT_EQ(nb_tirages_depuis(g, s->alea), 2000);
    EXPECT_EQ(tries(enonces(*s, 1)), tries(daltonisme));
    EXPECT_EQ(tries(enonces(*s, 2)), tries(abo));
    // The number box and buttons go under the shorter list.
    EXPECT_EQ(s->phenotypes.groupe_nb_descendants->left, s->phenotypes.premier_phenotype->left);
    EXPECT_EQ(s->phenotypes.panneau->width, s->phenotypes.second_phenotype->right() + 7);
    EXPECT_EQ(s->alleles.panneau->width, 290);
    EXPECT_TRUE(s->alleles.boites[2]->visible);
}

TEST(ModeleCaracteres, LeMemeGeneDeuxFois) {
    Session s;
    s->coquille.dihybridisme();
    s->genes.premier_gene->selectionne(0);
    EXPECT_FALSE(s->genes.ok->enabled);
    s->genes.second_gene->selectionne(0);
    EXPECT_EQ(s.plateforme.avertissements, Textes{"Les deux gènes sont semblables"});
    EXPECT_EQ(s->genes.second_gene->index, -1);
    EXPECT_EQ(s.journal().back(), "group_secclick.-1");
    EXPECT_FALSE(s->genes.ok->enabled);
    // The same from the first list.
    s->genes.second_gene->selectionne(2);
    s->genes.premier_gene->selectionne(2);
    EXPECT_EQ(s.journal().back(), "group_premclick.-1");
    EXPECT_FALSE(s->genes.ok->enabled);
}
