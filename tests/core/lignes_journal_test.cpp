// The grammar of the event lines, one replayed line at a time: what each line must do, and
// the lines that must do nothing. Each case replays its line on a program prepared as the
// case says, and compares it with the same program after the replay of an empty log.
#include "app/vidage.h"
#include "famille_test.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>

using namespace orvan;
using namespace orvan::test;

namespace {

// The dump, with what the dump leaves out and a replayed line may change: open panels,
// selections, ticks and the choice in progress.
std::string etat(Session& s) {
    const FenetrePrincipale& f = *s;
    std::ostringstream o;
    o << etat_json(f) << '\n'
      << f.phenotypes.panneau->visible << f.genotypes.panneau->visible << ' '
      << f.genotypes.panneau->caption << ' ' << f.phenotypes.nb_descendants->index << ' '
      << f.genes.premier_gene->index << ' ' << f.genes.second_gene->index << ' '
      << f.phenotypes.premier_phenotype->index << ' ' << f.phenotypes.ok->enabled << ' '
      << f.genotypes.radio_genotype[1]->index << ' ' << f.arbre.ped.choix_en_cours << ' '
      << int{f.arbre.ped.changement_genotype} << ' ';
    for (int k = 1; k <= max_genotypes_gene; ++k)
        o << f.genotypes.case_genotype[1][k]->checked;
    return o.str();
}

// Replays these lines, then gives the log back as it was, so that only their effect differs.
void rejoue(Session& s, const std::vector<std::string>& lignes) {
    const std::vector<std::string> avant = s.journal();
    s->journal.lignes() = lignes;
    s->historique.rejoue_journal();
    EXPECT_EQ(s.journal(), lignes) << "a replay appends nothing";
    s->journal.lignes() = avant;
}

using Preparation = std::function<void(Session&)>;
using Verification = std::function<void(Session& apres, Session& temoin)>;

struct Cas {
    std::string nom;
    std::string ligne;
    Preparation prepare;
    Verification verifie;
};

void PrintTo(const Cas& c, std::ostream* o) {
    *o << '"' << c.ligne << '"';
}

const Verification ignoree = [](Session& s, Session& t) { EXPECT_EQ(etat(s), etat(t)); };

// The phenotype panel of k is open, for a choice with the left button.
Verification choix_ouvert(int k) {
    return [k](Session& s, Session&) {
        EXPECT_TRUE(s->phenotypes.panneau->visible);
        EXPECT_EQ(s->arbre.ped.choix_en_cours, k);
        EXPECT_EQ(s->arbre.ped.changement_genotype, 0);
    };
}

Verification changement_ouvert(int k) {
    return [k](Session& s, Session&) {
        EXPECT_TRUE(s->genotypes.panneau->visible);
        EXPECT_EQ(s->genotypes.panneau->caption, "Changement de génotype");
        EXPECT_EQ(s->arbre.ped.choix_en_cours, k);
        EXPECT_EQ(s->arbre.ped.changement_genotype, 1);
    };
}

Verification nb_desc(int index) {
    return [index](Session& s, Session&) { EXPECT_EQ(s->phenotypes.nb_descendants->index, index); };
}

// The first gene list, with its handler marked on the title (which the dump holds).
void marque_le_premier_gene(Session& s) {
    FenetrePrincipale* f = s.f.get();
    s->genes.premier_gene->on_click = [f] { f->coquille.titre->caption = "gestionnaire"; };
}

Verification premier_gene(int index, bool gestionnaire) {
    return [index, gestionnaire](Session& s, Session&) {
        EXPECT_EQ(s->genes.premier_gene->index, index);
        EXPECT_EQ(s->coquille.titre->caption == "gestionnaire", gestionnaire);
    };
}

void fondateurs_croises(Session& s) {
    s->phenotypes.nb_descendants->choix_utilisateur(1);
    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 1);
}

Verification decalage(int dx) {
    return [dx](Session& s, Session& t) {
        EXPECT_EQ(s->arbre.tab_shape[3]->left, t->arbre.tab_shape[3]->left + dx);
        EXPECT_EQ(s->arbre.tab_shape[4]->left, t->arbre.tab_shape[4]->left + dx);
        EXPECT_EQ(s->arbre.tab_union[0]->left, t->arbre.tab_union[0]->left + dx);
    };
}

Verification couleurs(const std::vector<int>& numeros) {
    return [numeros](Session& s, Session&) {
        for (int i = 1; i <= max_legende; ++i)
            EXPECT_EQ(s->couleurs.figure_legende[i]->remplissage, s->couleurs.table[numeros[i - 1]])
                << i;
    };
}

const std::vector<Cas> cas = {
    // The seed, anywhere in a line; what the seed row leaves is read by the rows after it.
    {"Graine", "aleat=12", {}, [](Session& s, Session&) { EXPECT_EQ(s->alea.graine_alea, 12u); }},
    {"GraineNegative",
     "aleat=-7",
     {},
     [](Session& s, Session&) { EXPECT_EQ(s->alea.graine_signee(), -7); }},
    {"GraineEtChoix",
     "aleat=7choix_all(1,left)",
     {},
     [](Session& s, Session& t) {
         EXPECT_EQ(s->alea.graine_alea, 7u);
         choix_ouvert(1)(s, t);
     }},
    // An apostrophe anywhere makes the line a comment.
    {"Commentaire", "x'choix_all(1,left)", {}, ignoree},
    {"ApostropheEnFin", "aleat=5'", {}, ignoree},
    // Command lines are equal to their key or do nothing.
    {"Commande", "bitbtn4click", [](Session& s) { donne_phenotypes(s, 1, 0); },
     [](Session& s, Session&) { EXPECT_EQ(s->famille.individu(1).genotype(1).texte(), ""); }},
    {"CommandeSuivieDUnBlanc", "bitbtn4click ", [](Session& s) { donne_phenotypes(s, 1, 0); },
     ignoree},
    {"CommandeEnMajuscules", "BITBTN4CLICK", [](Session& s) { donne_phenotypes(s, 1, 0); },
     ignoree},
    // The individual, and the right button only with exactly "right)" after the comma.
    {"ChoixGauche", "choix_all(1,left)", {}, choix_ouvert(1)},
    {"ChoixDroitAvecDesBlancs", "choix_all( 1 ,right)", {}, changement_ouvert(1)},
    {"ChoixRightEnMajuscule", "choix_all(2,Right)", {}, choix_ouvert(2)},
    {"ChoixRightSuivi", "choix_all(2,right) ", {}, choix_ouvert(2)},
    {"ChoixSansBouton", "choix_all(2)", {}, choix_ouvert(2)},
    // A number followed by another character counts without its sign.
    {"ChoixNombreSuivi", "choix_all(-2x,left)", {}, choix_ouvert(2)},
    {"ChoixHorsDesQuarante", "choix_all(41,left)", {}, ignoree},
    {"ChoixNegatif", "choix_all(-1,left)", {}, ignoree},
    // The number of children: set without a handler, cleared when out of the box.
    {"NombreDEnfants", "nb_desc=4", {}, nb_desc(4)},
    {"NombreDEnfantsAvecUnBlanc", "nb_desc= 3", {}, nb_desc(3)},
    {"NombreDEnfantsHorsDeLaBoite", "nb_desc=9", {}, nb_desc(-1)},
    // Shifts of a sibship and its line.
    {"Decalage", "decal_fratrie(0,-40)", fondateurs_croises, decalage(-40)},
    {"DecalageHorsDesEntiers", "decal_fratrie(0,2147483648)", fondateurs_croises, ignoree},
    {"DecalageDUneUnionHorsDesOnze", "decal_fratrie(11,5)", fondateurs_croises, ignoree},
    // Gene lists: clamped, a selection that moves runs the handler, -1 only clears.
    {"GeneBorne", "group_premclick.7", marque_le_premier_gene, premier_gene(3, true)},
    {"GeneDejaChoisi", "group_premclick.0", marque_le_premier_gene, ignoree},
    {"GeneEfface", "group_premclick.-1", marque_le_premier_gene, premier_gene(-1, false)},
    {"SecondGeneBorne", "group_secclick.123456789012",
     [](Session& s) { s->coquille.dihybridisme(); },
     [](Session& s, Session&) { EXPECT_EQ(s->genes.second_gene->index, 3); }},
    {"Phenotype", "prem_alleleclick.1",
     [](Session& s) { s->arbre.clic_individu(1, Bouton::gauche); },
     [](Session& s, Session& t) {
         EXPECT_EQ(s->phenotypes.premier_phenotype->index, 1);
         EXPECT_TRUE(s->phenotypes.ok->enabled);
         EXPECT_FALSE(t->phenotypes.ok->enabled);
     }},
    // Genotype boxes and lists. The "choix_genotype" row cuts its text: the "choix_gen" row
    // after it does not read the same line again (it would select item 2).
    {"CaseGenotype",
     "choix_genotype(1,2)",
     {},
     [](Session& s, Session&) {
         EXPECT_TRUE(s->genotypes.case_genotype[1][2]->checked);
         EXPECT_EQ(s->genotypes.radio_genotype[1]->index, 1);
     }},
    {"CaseGenotypeHorsDesSeize", "choix_genotype(1,17)", {}, ignoree},
    {"ListeGenotypes",
     "choix_gen(1,3)",
     {},
     [](Session& s, Session&) { EXPECT_EQ(s->genotypes.radio_genotype[1]->index, 3); }},
    {"ListeGenotypesDUnTroisiemeGene", "choix_gen(3,1)", {}, ignoree},
    // Legend colours: ten numbers 1..16, or nothing at all.
    {"Couleurs", "couleur=(1,2,3,4,5,6,7,8,9,10)", {}, couleurs({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
    {"CouleursAvecDesBlancs",
     "couleur=( 16,2,3,4,5,6,7,8,9,10 )",
     {},
     couleurs({16, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
    {"CouleurHorsDeLaTable", "couleur=(1,2,3,4,5,6,7,8,9,17)", {}, ignoree},
    {"CouleurZero", "couleur=(0,1,1,1,1,1,1,1,1,1)", {}, ignoree},
    // Without a comma the field stays the same: the last number read fills the rest.
    {"CouleursInachevees", "couleur=(2,3,4", {}, couleurs({2, 3, 4, 4, 4, 4, 4, 4, 4, 4})},
    // Lines that match no key.
    {"Inconnue", "bonjour", {}, ignoree},
    {"Vide", "", {}, ignoree},
};

class LigneDuJournal : public ::testing::TestWithParam<Cas> {};

TEST_P(LigneDuJournal, FaitCeQueDitSaGrammaire) {
    const Cas& c = GetParam();
    Session s, t;
    if (c.prepare) {
        c.prepare(s);
        c.prepare(t);
    }
    rejoue(s, {c.ligne});
    rejoue(t, {});
    c.verifie(s, t);
}

INSTANTIATE_TEST_SUITE_P(Grammaire, LigneDuJournal, ::testing::ValuesIn(cas),
                         [](const auto& info) { return info.param.nom; });

} // namespace
