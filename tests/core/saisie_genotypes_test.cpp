// Genotypes given by hand: the entry of a founder's or a spouse's genotypes, the change of a
// child's genotype and sex by a right click, and the phenotype label a genotype earns.
#include "app/vidage.h"
#include "exercises/saisie_genotypes_etiquette.h"
#include "famille_test.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

using namespace orvan;
using namespace orvan::test;

namespace {

using Textes = std::vector<std::string>;

// Genotype entry of individual k: a left click, then the item of each list given, then "Ok".
void saisit(Session& s, int k, int item1, int item2 = -1) {
    s->arbre.clic_individu(k, Bouton::gauche);
    s->genotypes.radio_genotype[1]->selectionne(item1);
    if (item2 >= 0) s->genotypes.radio_genotype[2]->selectionne(item2);
    s->genotypes.ok->clic();
}

const Textes& liste(Session& s, int g) {
    return s->genotypes.radio_genotype[g]->items;
}

// The first child of the founders' sibship with the outline asked for, 0 when none.
int premier_enfant(Session& s, Contour contour) {
    for (int k = 3; k <= s->famille.dernier_indiv(); ++k)
        if (s->arbre.tab_shape[k]->contour == contour) return k;
    return 0;
}

std::string contenu(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(EtiquettePhenotype, LaPremiereEntreeQuiTientLeGenotypeDecide) {
    ModeleCaracteres m;
    const Textes genotypes = {"A,A", "A,O", "A,B", "O,O", "Rh+,Rh-", "Rh-,Rh-"};
    const Textes phenotypes = {"[A]", "[A]", "[AB]", "[O]", "[Rh+]", "[Rh-]"};
    m.nb_genotypes = 6;
    for (int j = 1; j <= 6; ++j) {
        m.genotype_texte[j] = genotypes[j - 1];
        m.phenotype_du_genotype[j] = phenotypes[j - 1];
    }
    EXPECT_EQ(etiquette_phenotype(m, "A,B", ""), "[AB]");
    EXPECT_EQ(etiquette_phenotype(m, "A,O", "Rh-,Rh-"), "[A,Rh-]");
    // A part of an entry is enough: "O" stands first in "A,O".
    EXPECT_EQ(etiquette_phenotype(m, "O", ""), "[A]");
    EXPECT_EQ(etiquette_phenotype(m, "", "Rh-,Rh-"), "[Rh-]");
    EXPECT_EQ(etiquette_phenotype(m, "B,B", ""), "");
    // The second genotype of a one-gene child names no allele and adds nothing.
    EXPECT_EQ(etiquette_phenotype(m, "A,A", ","), "[A]");
    EXPECT_FALSE(nomme_un_allele(""));
    EXPECT_FALSE(nomme_un_allele(","));
    EXPECT_TRUE(nomme_un_allele("A,"));
}

TEST(SaisieGenotypes, LeMenuChoisitCeQueLeClicOuvre) {
    Session s;
    EXPECT_TRUE(s->menus.saisie_phenotypes->checked);
    EXPECT_FALSE(s->menus.saisie->visible);
    s->menus.saisie_genotypes->clic();
    EXPECT_TRUE(s->menus.saisie_genotypes->checked);
    EXPECT_FALSE(s->menus.saisie_phenotypes->checked);
    EXPECT_EQ(s.journal().back(), "menu_genoclick");
    EXPECT_NE(etat_json(*s).find("\"saisie\": \"genotypes\""), std::string::npos);

    s->arbre.clic_individu(1, Bouton::gauche);
    EXPECT_TRUE(s->genotypes.panneau->visible);
    EXPECT_FALSE(s->phenotypes.panneau->visible);
    s->genotypes.annuler->clic();

    s->menus.saisie_phenotypes->clic();
    EXPECT_EQ(s.journal().back(), "menu_phenoclick");
    s->arbre.clic_individu(1, Bouton::gauche);
    EXPECT_TRUE(s->phenotypes.panneau->visible);
    EXPECT_FALSE(s->genotypes.panneau->visible);

    // Replayed, the lines choose the mode again; a reset goes back to phenotypes.
    s->journal.lignes() = {"menu_genoclick"};
    s->historique.rejoue_journal();
    EXPECT_TRUE(s->menus.saisie_genotypes->checked);
    s->journal.lignes() = {"bitbtn4click"};
    s->historique.rejoue_journal();
    EXPECT_TRUE(s->menus.saisie_phenotypes->checked && !s->menus.saisie_genotypes->checked);
}

TEST(SaisieGenotypes, UnGeneFondateurSeulPuisLeSecond) {
    Session s;
    s->menus.saisie_genotypes->clic();
    const std::uint32_t graine = s->alea.graine_alea;
    s->arbre.clic_individu(1, Bouton::gauche);
    // A man is offered no genotype with two X.
    EXPECT_EQ(liste(s, 1), (Textes{"XD,Y", "Y,XD", "Xd,Y", "Y,Xd"}));
    // "féminin": the woman's genotypes join the list, the man's are greyed and keep their place.
    s->genotypes.sexe->selectionne(1);
    EXPECT_EQ(liste(s, 1),
              (Textes{"XD,Y", "Y,XD", "Xd,Y", "Y,Xd", "XD,XD", "XD,Xd", "Xd,XD", "Xd,Xd"}));
    EXPECT_EQ(s->genotypes.radio_genotype[1]->inactifs,
              (std::vector<bool>{true, true, true, true, false, false, false, false}));
    s->genotypes.sexe->selectionne(0);
    EXPECT_EQ(s->arbre.tab_shape[1]->contour, Contour::carre);
    EXPECT_EQ(liste(s, 1).size(), 8u);
    EXPECT_TRUE(liste(s, 2).empty());
    EXPECT_FALSE(s->genotypes.ok->enabled);
    s->genotypes.radio_genotype[1]->selectionne(2);
    EXPECT_EQ(s.journal().back(), "choix_gen(1,2)");
    EXPECT_TRUE(s->genotypes.ok->enabled);
    s->genotypes.ok->clic();

    const FenetrePrincipale& f = *s;
    EXPECT_EQ(f.famille.individu(1).genotype(1).texte(), "Xd,Y");
    EXPECT_EQ(f.famille.individu(1).genotype(2).texte(), "");
    EXPECT_EQ(f.arbre.tab_shape[1]->hint, "Xd,Y//");
    EXPECT_EQ(f.arbre.tab_label[1]->hint, "Xd,Y//");
    EXPECT_EQ(f.arbre.tab_label[1]->caption, "[d]");
    EXPECT_EQ(f.arbre.tab_label[1]->top, 60);
    EXPECT_EQ(f.arbre.tab_label[1]->left, 289 + 17 - f.arbre.tab_label[1]->width / 2);
    EXPECT_EQ(f.arbre.tab_shape[1]->remplissage, rouge);
    EXPECT_FALSE(f.genotypes.panneau->visible);
    EXPECT_EQ(f.famille.nb_unions(), 0);
    EXPECT_EQ(f.alea.graine_alea, graine); // a genotype given is not drawn
    EXPECT_EQ(s.journal().back(), "bitbtn8click");

    s->arbre.clic_individu(2, Bouton::gauche);
    EXPECT_EQ(liste(s, 1), (Textes{"XD,XD", "XD,Xd", "Xd,XD", "Xd,Xd"}));
    s->genotypes.nb_descendants->choix_utilisateur(3);
    EXPECT_EQ(s->phenotypes.nb_descendants->index, 3);
    EXPECT_EQ(s.journal().back(), "nb_desc=3");
    s->genotypes.radio_genotype[1]->selectionne(1);
    const Generateur avant{s->alea.graine_alea};
    s->genotypes.ok->clic();
    // Four children of "Xd,Y" and "XD,Xd": sons get Y and one of the mother's X, daughters the
    // father's Xd; two gametes and an outline are drawn for each, nothing for their number.
    ASSERT_EQ(s->famille.dernier_indiv(), 6);
    for (int k = 3; k <= 6; ++k) {
        const bool fils = s->arbre.tab_shape[k]->contour == Contour::carre;
        const std::string& g = s->famille.individu(k).genotype(1).texte();
        EXPECT_TRUE(fils ? g == "Y,XD" || g == "Y,Xd" : g == "Xd,XD" || g == "Xd,Xd") << k << g;
    }
    EXPECT_EQ(nb_tirages_depuis(avant, s->alea), 12);
    EXPECT_EQ(s->arbre.tab_label[2]->caption, "[D]");
    EXPECT_FALSE(s->arbre.tab_shape[1]->enabled || s->arbre.tab_shape[2]->enabled);
    EXPECT_EQ(s.journal().back(), "bitbtn8click");
}

namespace {

// The genotypes as the pupil sees them: "Y,XD" is "XD,Y", shown once.
Textes montres(Session& s, int g) {
    const RadioGroupe& r = *s->genotypes.radio_genotype[g];
    Textes t;
    for (std::size_t i = 0; i < r.items.size(); ++i)
        if (r.item_montre(static_cast<int>(i))) t.push_back(r.items[i]);
    return t;
}

} // namespace

// A teacher makes the first founder a woman: the other becomes a man, and keeps that sex.
TEST(SaisieGenotypes, LesFondateursRestentUnHommeEtUneFemme) {
    Session s;
    s->menus.saisie_genotypes->clic();
    s->arbre.clic_individu(1, Bouton::gauche);
    EXPECT_EQ(s->genotypes.panneau->caption, "Génotype d'un fondateur");
    EXPECT_EQ(montres(s, 1), (Textes{"XD,Y", "Xd,Y"}));
    s->genotypes.sexe->selectionne(1);
    EXPECT_EQ(s->arbre.tab_shape[1]->contour, Contour::cercle);
    EXPECT_EQ(s->arbre.tab_shape[2]->contour, Contour::carre);
    EXPECT_EQ(montres(s, 1), (Textes{"XD,Y", "Xd,Y", "XD,XD", "XD,Xd", "Xd,Xd"}));
    s->genotypes.radio_genotype[1]->selectionne(5); // "XD,Xd": saved files name the place
    s->genotypes.ok->clic();

    s->arbre.clic_individu(2, Bouton::gauche);
    EXPECT_EQ(s->genotypes.panneau->caption, "Génotype d'un fondateur");
    EXPECT_FALSE(s->genotypes.sexe->enabled);
    EXPECT_EQ(montres(s, 1), (Textes{"XD,Y", "Xd,Y"}));
    s->genotypes.radio_genotype[1]->selectionne(0);
    s->genotypes.ok->clic();
    ASSERT_GT(s->famille.dernier_indiv(), 2);
    EXPECT_EQ(s->famille.individu(1).sexe, Sexe::femme);
    EXPECT_EQ(s->famille.individu(2).sexe, Sexe::homme);
    EXPECT_EQ(s->famille.individu(1).genotype(1).texte(), "XD,Xd");

    s->arbre.clic_individu(3, Bouton::gauche);
    EXPECT_EQ(s->genotypes.panneau->caption, "Génotype du conjoint");

    // The log names the rule just before the first choice that changed a sex. A log without it
    // was written when a choice turned the founder alone, and rebuilds that family.
    Textes lignes = s.journal();
    const auto regle = std::find(lignes.begin(), lignes.end(), "couples_homme_femme");
    ASSERT_NE(regle, lignes.end());
    EXPECT_EQ(*std::next(regle), "choix_sexeclick.1");
    EXPECT_EQ(std::count(lignes.begin(), lignes.end(), "couples_homme_femme"), 1);
    lignes.erase(regle);
    s->journal.lignes() = lignes;
    s->historique.rejoue_journal();
    EXPECT_EQ(s->famille.individu(1).sexe, Sexe::femme);
    EXPECT_EQ(s->famille.individu(2).sexe, Sexe::femme);
}

// One founder chosen: a right click on it would open a panel with nothing to offer, since the
// other founder has no genotype to make gametes with. It says why, and writes nothing.
TEST(ChangementGenotype, UnFondateurSeulDitPourquoi) {
    Session s;
    donne_phenotypes(s, 1, 1);
    const auto journal = s.journal();
    s->arbre.clic_individu(1, Bouton::droit);
    EXPECT_FALSE(s->genotypes.panneau->visible);
    EXPECT_EQ(s.journal(), journal);
    ASSERT_EQ(s.plateforme.avertissements.size(), 1u);
    EXPECT_NE(s.plateforme.avertissements[0].find("choisissez d'abord le phénotype de l'autre"),
              std::string::npos);
    donne_phenotypes(s, 2, 0);
    s->arbre.clic_individu(1, Bouton::droit);
    EXPECT_TRUE(s->genotypes.panneau->visible);
}

TEST(SaisieGenotypes, DeuxGenesOkAttendLesDeuxEtLeConjointEstCroise) {
    Session s;
    choisit_genes(s, 0, 1);
    ASSERT_EQ(s->coquille.titre->caption, "Daltonisme d et Groupes ABO");
    s->menus.saisie_genotypes->clic();
    s->arbre.clic_individu(2, Bouton::gauche);
    EXPECT_EQ(liste(s, 2), (Textes{"A,A", "A,O", "O,A", "B,B", "B,O", "O,B", "A,B", "B,A", "O,O"}));
    s->genotypes.radio_genotype[1]->selectionne(1);
    EXPECT_FALSE(s->genotypes.ok->enabled);
    s->genotypes.radio_genotype[2]->selectionne(1);
    EXPECT_TRUE(s->genotypes.ok->enabled);
    s->genotypes.ok->clic();
    EXPECT_EQ(s->arbre.tab_label[2]->caption, "[D,A]");
    EXPECT_EQ(s->arbre.tab_shape[2]->hint, "XD,Xd//A,O");

    s->phenotypes.nb_descendants->choix_utilisateur(2);
    saisit(s, 1, 0, 8);
    EXPECT_EQ(s->arbre.tab_label[1]->caption, "[D,O]");
    ASSERT_EQ(s->famille.dernier_indiv(), 5);

    // A spouse: its own outline decides what is offered, and "Ok" crosses it with the child.
    s->arbre.clic_individu(4, Bouton::gauche);
    const int conjoint = s->arbre.ped.indiv_courant;
    ASSERT_EQ(conjoint, 6);
    const bool femme = s->arbre.tab_shape[6]->contour == Contour::cercle;
    EXPECT_EQ(liste(s, 1), femme ? Textes({"XD,XD", "XD,Xd", "Xd,XD", "Xd,Xd"})
                                 : Textes({"XD,Y", "Y,XD", "Xd,Y", "Y,Xd"}));
    // The spouse is of the child's other sex: the crossing makes it so.
    EXPECT_FALSE(s->genotypes.sexe->enabled);
    s->genotypes.radio_genotype[1]->selectionne(0);
    s->genotypes.radio_genotype[2]->selectionne(6);
    s->genotypes.ok->clic();
    EXPECT_EQ(s->arbre.tab_label[6]->caption, "[D,AB]");
    EXPECT_EQ(s->famille.union_numero(1).premier_enfant, 7);
    EXPECT_EQ(s->famille.dernier_indiv(), 6 + s->famille.union_numero(1).nb_enfants);
    EXPECT_FALSE(s->arbre.tab_shape[4]->enabled || s->arbre.tab_shape[6]->enabled);
}

TEST(ChangementGenotype, GardeLaPlaceEtLaBulleDuLabel) {
    Session s;
    s->menus.saisie_genotypes->clic();
    s->phenotypes.nb_descendants->choix_utilisateur(5);
    saisit(s, 1, 0); // XD,Y
    saisit(s, 2, 1); // XD,Xd
    const int fils = premier_enfant(s, Contour::carre);
    ASSERT_NE(fils, 0);
    const Label& label = *s->arbre.tab_label[fils];
    const std::string bulle_label = label.hint;
    const int gauche = label.left, haut = label.top;
    const std::uint32_t graine = s->alea.graine_alea;
    const int dernier = s->famille.dernier_indiv();

    s->arbre.clic_individu(fils, Bouton::droit);
    EXPECT_EQ(s->genotypes.panneau->caption, "Changement de génotype");
    // A son gets his X from his mother: only her two alleles beside his father's Y.
    EXPECT_EQ(liste(s, 1), (Textes{"Y,XD", "Y,Xd"}));
    const int present = s->famille.individu(fils).genotype(1).texte() == "Y,XD" ? 0 : 1;
    EXPECT_EQ(s->genotypes.radio_genotype[1]->index, present);
    EXPECT_TRUE(s->genotypes.case_genotype[1][present == 0 ? 5 : 8]->checked);
    EXPECT_TRUE(s->genotypes.ok->enabled);
    // Setting the sex and the present genotype are clicks of their own.
    const std::string n = std::to_string(fils), i = std::to_string(present);
    EXPECT_EQ(fin_journal(s, 3), (Textes{"choix_all(" + n + ",right)", "choix_sexeclick.0",
                                         "choix_gen(1," + i + ")"}));

    s->genotypes.radio_genotype[1]->selectionne(1 - present);
    s->genotypes.ok->clic();
    const std::string nouveau = present == 0 ? "Y,Xd" : "Y,XD";
    EXPECT_EQ(s->famille.individu(fils).genotype(1).texte(), nouveau);
    EXPECT_EQ(s->arbre.tab_shape[fils]->hint, nouveau + "//,");
    EXPECT_EQ(label.hint, bulle_label);
    EXPECT_EQ(label.caption, present == 0 ? "[d]" : "[D]");
    EXPECT_EQ(label.left, gauche);
    EXPECT_EQ(label.top, haut);
    EXPECT_FALSE(s->genotypes.panneau->visible);
    EXPECT_EQ(s->famille.dernier_indiv(), dernier);
    EXPECT_EQ(s->alea.graine_alea, graine);
    EXPECT_EQ(s.journal().back(), "bitbtn8click");

    // The log rebuilds the same family.
    const std::string avant = etat_json(*s);
    s->historique.lancer->clic();
    EXPECT_EQ(etat_json(*s), avant);
}

// The sex choice turns the individual whose genotypes are given; only the genotypes of that
// sex can be confirmed, and the list keeps its items where saved files name them.
TEST(ChangementGenotype, LeSexeChoisiDecideDesGenotypesPermis) {
    Session s;
    s->phenotypes.nb_descendants->choix_utilisateur(5);
    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 0);
    const int fils = premier_enfant(s, Contour::carre);
    ASSERT_NE(fils, 0);
    s->arbre.clic_individu(fils, Bouton::droit);
    const Textes offerts = liste(s, 1);
    RadioGroupe& genotypes = *s->genotypes.radio_genotype[1];
    EXPECT_EQ(s->genotypes.sexe->index, 0);
    EXPECT_TRUE(s->genotypes.ok->enabled);
    s->genotypes.sexe->selectionne(1);
    EXPECT_EQ(s->arbre.tab_shape[fils]->contour, Contour::cercle);
    EXPECT_EQ(s.journal().back(), "choix_sexeclick.1");
    // The daughters' genotypes that the founders make join the list after the sons'.
    ASSERT_GT(liste(s, 1).size(), offerts.size());
    EXPECT_EQ(Textes(liste(s, 1).begin(), liste(s, 1).begin() + offerts.size()), offerts);
    // His own genotype is a man's: "Ok" waits for a woman's.
    EXPECT_FALSE(s->genotypes.ok->enabled);
    EXPECT_FALSE(genotypes.item_actif(genotypes.index));
    ASSERT_EQ(offerts[0].substr(0, 2), "Y,");
    const int femme = static_cast<int>(liste(s, 1).size()) - 1;
    const std::string genotype_femme = liste(s, 1)[femme];
    EXPECT_FALSE(contient(genotype_femme, "Y"));
    genotypes.selectionne(femme);
    EXPECT_TRUE(s->genotypes.ok->enabled);
    s->genotypes.ok->clic();
    EXPECT_EQ(s->arbre.tab_shape[fils]->contour, Contour::cercle);
    EXPECT_EQ(s->famille.individu(fils).genotype(1).texte(), genotype_femme);
    s->historique.lancer->clic();
    EXPECT_EQ(s->arbre.tab_shape[fils]->contour, Contour::cercle);

    // Cancelled, a change of sex gives a square back the outline it had at the right click.
    const int fille = premier_enfant(s, Contour::cercle);
    s->arbre.clic_individu(fille, Bouton::droit);
    EXPECT_EQ(s->genotypes.sexe->index, 1);
    s->genotypes.sexe->selectionne(0);
    EXPECT_EQ(s->arbre.tab_shape[fille]->contour, Contour::carre);
    s->genotypes.annuler->clic();
    EXPECT_EQ(s->arbre.tab_shape[fille]->contour, Contour::cercle);
    EXPECT_EQ(s.journal().back(), "bitbtn7click");

    // A spouse's entry: a sex chosen, as a saved file may, turns the spouse and not the child
    // clicked, and the cancel leaves the child as it was.
    s->menus.saisie_genotypes->clic();
    const Contour contour_fille = s->arbre.tab_shape[fille]->contour;
    s->arbre.clic_individu(fille, Bouton::gauche);
    const int conjoint = s->arbre.ped.indiv_courant;
    s->genotypes.sexe->selectionne(contour_fille == Contour::cercle ? 1 : 0);
    EXPECT_EQ(s->arbre.tab_shape[fille]->contour, contour_fille);
    EXPECT_EQ(s->arbre.tab_shape[conjoint]->contour, contour_fille);
    s->genotypes.annuler->clic();
    EXPECT_EQ(s->arbre.tab_shape[fille]->contour, contour_fille);
    EXPECT_FALSE(s->arbre.tab_shape[conjoint]->visible);
}

// Before any genotype a right click on a founder offers nothing: "Ok" stays disabled.
TEST(ChangementGenotype, RienAChoisirRienAConfirmer) {
    Session s;
    s->arbre.clic_individu(1, Bouton::droit);
    EXPECT_TRUE(s->genotypes.panneau->visible);
    EXPECT_TRUE(liste(s, 1).empty());
    EXPECT_FALSE(s->genotypes.ok->enabled);
    const Textes journal = s.journal();
    s->genotypes.ok->clic();
    EXPECT_EQ(s.journal(), journal);
}

TEST(RejeuSaisie, LesCasesSeDecochentEnCascade) {
    Session s;
    s->menus.saisie_genotypes->clic();
    s->arbre.clic_individu(2, Bouton::gauche);
    auto& cases = s->genotypes.case_genotype[1];
    auto& l = s->journal.lignes();
    const Textes debut = l;
    // Box 4 ticked; item 3 of the first list chosen, whatever the gene.
    l.push_back("choix_genotype(1,4)");
    s->historique.rejoue_journal();
    EXPECT_TRUE(cases[4]->checked);
    EXPECT_EQ(s->genotypes.radio_genotype[1]->index, 3);
    EXPECT_TRUE(s->genotypes.ok->enabled);
    // Ticking box 2 unticks box 4, whose own handler unticks box 2 in turn.
    l.push_back("choix_genotype(1,2)");
    s->historique.rejoue_journal();
    for (int i = 1; i <= 16; ++i)
        EXPECT_FALSE(cases[i]->checked) << i;
    EXPECT_EQ(s->genotypes.radio_genotype[1]->index, 1);
    l.push_back("bitbtn8click");
    s->historique.rejoue_journal();
    EXPECT_EQ(s->famille.individu(2).genotype(1).texte(), "XD,Xd");

    // Undo takes back the run of box lines at the end, all of it at once.
    l = debut;
    l.insert(l.end(), {"choix_genotype(1,4)", "choix_genotype(1,3)", "choix_genotype(1,1)"});
    s->historique.annuler->clic();
    EXPECT_EQ(s.journal(), debut);
}

TEST(RejeuSaisie, LAnnulationDUneSerieDeCasesRedonneLEtatAttendu) {
    Session s;
    const std::string dossier = ORVAN_TEST_DATA;
    s.plateforme.fichiers_a_ouvrir.push_back(dossier + "/annulation_choix_genotype.gen");
    s->menus.ouvrir->clic();
    const std::size_t n = s.journal().size();
    s->historique.annuler->clic();
    EXPECT_EQ(s.journal().size(), n - 2);
    EXPECT_EQ(etat_json(*s) + "\n", contenu(dossier + "/annulation_choix_genotype_annulee.json"));
}

TEST(RejeuSaisie, LaFamillePleineNAvertitQueLUtilisateur) {
    Session s;
    s->phenotypes.nb_descendants->choix_utilisateur(5);
    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 0);
    // Spouses of children 3 to 7 with 6, 6, 6, 2 and 5 children: 38 individuals.
    for (const auto& [enfant, item] : {std::pair{3, 5}, {4, 5}, {5, 5}, {6, 1}, {7, 4}}) {
        s->phenotypes.nb_descendants->choix_utilisateur(item);
        donne_phenotypes(s, enfant, 0);
    }
    ASSERT_EQ(s->famille.dernier_indiv(), 38);
    const std::vector<std::string> journal = s.journal();
    s->arbre.clic_individu(8, Bouton::gauche);
    EXPECT_EQ(s.plateforme.avertissements.size(), 1u);
    // Refused, the click writes no line; one in an older log is refused again, silently.
    EXPECT_EQ(s.journal(), journal);
    s->journal.lignes().push_back("choix_all(8,left)");
    s->historique.lancer->clic();
    s->historique.annuler->clic();
    EXPECT_EQ(s.plateforme.avertissements.size(), 1u);
    EXPECT_EQ(s->famille.dernier_indiv(), 38);
}
