// The two exercises as a pupil meets them: the statements on the alleles ticked and marked, and
// the genotype of a clicked individual asked in the question window.
#include "exercises/marquage_genotype.h"
#include "famille_test.h"

#include <gtest/gtest.h>

#include <map>

using namespace orvan;
using namespace orvan::test;

namespace {

// The mark written beside each statement of gene g, by the statement's text.
std::map<std::string, std::string> marques(Session& s, int g) {
    std::map<std::string, std::string> r;
    for (int i = 1; i <= s->genes.modele.nb_relations[g]; ++i)
        r[s->alleles.case_relation[g][i]->caption] = s->alleles.label_correction[g][i]->caption;
    return r;
}

using Marques = std::map<std::string, std::string>;

// Founders of four children, child 3 married: its children are the third generation.
void trois_generations(Session& s) {
    s->phenotypes.nb_descendants->choix_utilisateur(3);
    donne_phenotypes(s, 1, 0);
    donne_phenotypes(s, 2, 0);
    s->phenotypes.nb_descendants->choix_utilisateur(1);
    donne_phenotypes(s, 3, 0);
}

// Individual k given a genotype outright, as its tooltip shows it.
void donne_genotype(Session& s, int k, const std::string& g1, const std::string& g2 = "") {
    s->famille.donne_genotype(k, 1, Genotype::lu(g1));
    s->famille.donne_genotype(k, 2, Genotype::lu(g2));
    s->arbre.donne_genotype(k);
}

// The pupil's answers typed into the question window, then "OK".
std::function<void()> repond(Session& s, const std::string& gene1, const std::string& gene2 = "") {
    return [&s, gene1, gene2] {
        s->interro.dialogue.reponse1->caption = gene1;
        s->interro.dialogue.reponse2->caption = gene2;
        s->interro.dialogue.ok->clic();
    };
}

std::function<void()> clic(BoutonGlyphe* bouton) {
    return [bouton] { bouton->clic(); };
}

std::function<void()> attend_marque(Session& s, const std::string& marque) {
    return [&s, marque] { EXPECT_EQ(s->interro.dialogue.marque1->caption, marque); };
}

// The mouse pressed on individual k's symbol.
void clique(Session& s, int k) {
    s->arbre.tab_shape[k]->on_mouse_down(Bouton::gauche, 1, 1);
}

} // namespace

TEST(MarquageGenotype, LesDeuxOrdresLesBlancsEtLaCasse) {
    // ABO: no two alleles differ by case alone, so case is folded.
    EXPECT_TRUE(reponse_juste("a,o", "A,O", false));
    EXPECT_TRUE(reponse_juste(" O , A ", "A,O", false));
    EXPECT_FALSE(reponse_juste("A,A", "A,O", false));
    EXPECT_TRUE(reponse_juste("rh-,RH+", "Rh+,Rh-", false));
    // Colour blindness: XD and Xd are two alleles.
    EXPECT_TRUE(reponse_juste("Xd,XD", "XD,Xd", true));
    EXPECT_TRUE(reponse_juste(" XD , Xd ", "XD,Xd", true));
    EXPECT_FALSE(reponse_juste("XD,XD", "XD,Xd", true));
    EXPECT_FALSE(reponse_juste("xd,xd", "XD,Xd", true));
    EXPECT_FALSE(reponse_juste("XD,Y,", "XD,Y", true));
    // No genotype yet: the empty answer is the right one.
    EXPECT_TRUE(reponse_juste("", "", true));
    EXPECT_TRUE(reponse_juste("  ", "", false));
    EXPECT_FALSE(reponse_juste("A,O", "", false));
}

TEST(MarquageGenotype, LaBulleLaFormeInverseeEtLesAllelesDUnGene) {
    const GenotypesDeLaBulle deux = genotypes_de_la_bulle("XD,Xd//A,O");
    EXPECT_EQ(deux.gene1, "XD,Xd");
    EXPECT_EQ(deux.gene2, "A,O");
    EXPECT_EQ(genotypes_de_la_bulle("Xh,Y//").gene2, "");
    EXPECT_EQ(genotypes_de_la_bulle("").gene1, "");
    EXPECT_EQ(genotypes_de_la_bulle("A,O").gene1, "");

    EXPECT_EQ(forme_inversee("Rh+,Rh-"), "Rh-,Rh+");
    EXPECT_EQ(forme_inversee("Y,XD"), "XD,Y");
    EXPECT_EQ(forme_inversee(""), ",");
    EXPECT_EQ(forme_inversee("ABCDEFGHIJKL"), "ABCDEFGHIJ,");
    EXPECT_EQ(en_majuscules("xé,rh+"), "Xé,RH+");

    EXPECT_TRUE(alleles_distingues_par_la_casse({"XD,XD", "XD,Y", "Xd,Y"}));
    EXPECT_TRUE(alleles_distingues_par_la_casse({"XH,Xh"}));
    EXPECT_FALSE(alleles_distingues_par_la_casse({"A,A", "A,O", "B,O", "A,B", "O,O"}));
    EXPECT_FALSE(alleles_distingues_par_la_casse({"Rh+,Rh+", "Rh+,Rh-", "Rh-,Rh-"}));
    EXPECT_FALSE(alleles_distingues_par_la_casse({}));
}

TEST(ExerciceAlleles, DaltonismeToutCocheEtMarqueDeuxFois) {
    Session s;
    EXPECT_TRUE(s->menus.exercices->visible);
    EXPECT_FALSE(s->menus.exercices->enabled);
    s->menus.exercice_alleles->clic();
    EXPECT_TRUE(s->alleles.panneau->visible);
    EXPECT_FALSE(s->alleles.boites[2]->visible);

    s->alleles.ok->clic();
    const Marques attendues = {{"D>d", "bien"}, {"sur X", "bien"}, {"D<d", "faux"},
                               {"D=d", "faux"}, {"sur Y", "faux"}, {"autosomal", "faux"}};
    EXPECT_EQ(marques(s, 1), attendues);
    s->alleles.ok->clic();
    EXPECT_EQ(marques(s, 1), attendues);
    const auto& j = s.journal();
    EXPECT_EQ(std::vector<std::string>(j.end() - 2, j.end()),
              (std::vector<std::string>{"bitbtn6click", "bitbtn6click"}));
    for (int i = 1; i <= max_relations; ++i)
        EXPECT_EQ(s->alleles.label_correction[2][i]->caption, "") << i;
    EXPECT_TRUE(s->alleles.panneau->visible);

    // The false ones unticked: every answer is right; the ticks stay for the next marking.
    for (int i = 1; i <= 6; ++i)
        if (s->genes.modele.etat_relation[1][i] == EtatEnonce::faux)
            s->alleles.case_relation[1][i]->coche(false);
    s->alleles.ok->clic();
    for (const auto& [texte, marque] : marques(s, 1))
        EXPECT_EQ(marque, "bien") << texte;
    // The genes chosen again: all ticked, no mark.
    choisit_genes(s, 0);
    EXPECT_EQ(marques(s, 1), (Marques{{"D>d", ""},
                                      {"sur X", ""},
                                      {"D<d", ""},
                                      {"D=d", ""},
                                      {"sur Y", ""},
                                      {"autosomal", ""}}));
}

TEST(ExerciceAlleles, HemophilieSurXEtDeuxGenes) {
    Session s;
    choisit_genes(s, 3);
    s->alleles.ok->clic();
    EXPECT_EQ(marques(s, 1), (Marques{{"H>h", "bien"},
                                      {"sur X", "bien"},
                                      {"H<h", "faux"},
                                      {"H=h", "faux"},
                                      {"autosomal", "faux"},
                                      {"sur Y", "faux"}}));

    choisit_genes(s, 0, 1);
    EXPECT_TRUE(s->alleles.boites[2]->visible);
    s->alleles.ok->clic();
    EXPECT_EQ(marques(s, 2), (Marques{{"A=B", "bien"},
                                      {"A>O", "bien"},
                                      {"B>O", "bien"},
                                      {"autosomal", "bien"},
                                      {"A=O", "faux"},
                                      {"B=O", "faux"},
                                      {"A<O", "faux"},
                                      {"B<O", "faux"},
                                      {"sur X", "faux"},
                                      {"sur Y", "faux"}}));
    EXPECT_EQ(marques(s, 1).at("sur X"), "bien");
}

TEST(ExerciceAlleles, LeRejeuMarqueLesCasesTellesQuElles) {
    Session s;
    s->journal.lignes().push_back("bitbtn6click");
    s->historique.rejoue_journal();
    EXPECT_EQ(marques(s, 1).at("sur Y"), "faux");
    EXPECT_EQ(marques(s, 1).at("D>d"), "bien");
    EXPECT_EQ(s.journal().size(), 5u);
    // The key must be the whole line.
    s->journal.lignes() = {"aleat=1",      "bitbtn4click",  "group_premclick.0",
                           "bitbtn1click", "bitbtn6clickx", " bitbtn6click"};
    s->historique.rejoue_journal();
    EXPECT_EQ(marques(s, 1).at("D>d"), "");
}

// The statement box of gene 1 that carries this text.
CaseACocher& enonce(Session& s, const std::string& texte) {
    for (int i = 1; i <= s->genes.modele.nb_relations[1]; ++i)
        if (s->alleles.case_relation[1][i]->caption == texte)
            return *s->alleles.case_relation[1][i];
    throw std::logic_error("no statement " + texte);
}

// The pupil's ticks are in the log: the teacher who opens the family sees the pupil's own
// answers and marks. A true statement left unticked is wrong.
TEST(ExerciceAlleles, LesReponsesDuPupilleReviennentAvecLeFichier) {
    Session s;
    s->menus.exercice_alleles->clic();
    enonce(s, "D>d").coche(false);
    enonce(s, "sur Y").coche(false);
    enonce(s, "sur Y").coche(true);
    enonce(s, "sur Y").coche(false);
    s->alleles.ok->clic();
    const Marques attendues = {{"D>d", "faux"}, {"sur X", "bien"}, {"D<d", "faux"},
                               {"D=d", "faux"}, {"sur Y", "bien"}, {"autosomal", "faux"}};
    EXPECT_EQ(marques(s, 1), attendues);
    EXPECT_EQ(fin_journal(s, 2).back(), "bitbtn6click");

    Session enseignant;
    enseignant->journal.lignes() = s.journal();
    enseignant->historique.rejoue_journal();
    EXPECT_EQ(marques(enseignant, 1), attendues);
    EXPECT_FALSE(enonce(enseignant, "D>d").checked || enonce(enseignant, "sur Y").checked);
    EXPECT_TRUE(enonce(enseignant, "sur X").checked);
}

// "Annuler" of the answers panel closes it and nothing else, however often; a file that closed
// it with the shared cancel still rebuilds what its author saw.
TEST(ExerciceAlleles, FermerLesReponsesGardeLaFamille) {
    Session s;
    trois_generations(s);
    for (int fois = 0; fois < 4; ++fois) {
        s->menus.exercice_alleles->clic();
        s->alleles.annuler->clic();
    }
    EXPECT_FALSE(s->alleles.panneau->visible);
    EXPECT_EQ(s->famille.dernier_indiv(), 9);
    EXPECT_TRUE(s->arbre.tab_shape[9]->visible);
    EXPECT_EQ(s.journal().back(), "ferme_reponsesclick");
    s->historique.rejoue_journal();
    EXPECT_EQ(s->famille.dernier_indiv(), 9);

    s->journal.lignes().back() = "bitbtn7click";
    s->historique.rejoue_journal();
    EXPECT_EQ(s->famille.dernier_indiv(), 8);
    EXPECT_FALSE(s->arbre.tab_shape[9]->visible);
}

TEST(ExerciceGenotypes, UneQuestionEtSesReponses) {
    Session s;
    trois_generations(s);
    const std::vector<std::string> journal = s.journal();
    ASSERT_FALSE(s->arbre.tab_shape[9]->enabled);
    InterroGenotype& d = s->interro.dialogue;
    EXPECT_EQ(d.caption, "Cliquez sur un individu");
    EXPECT_FALSE(d.visible);

    s->menus.exercice_genotypes->clic();
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 1);
    EXPECT_TRUE(d.visible);
    EXPECT_EQ(d.height, 18);
    EXPECT_FALSE(d.autre->enabled || d.reponse2->visible || d.marque2->visible);
    EXPECT_EQ(d.num_gene->caption, "gène 1");
    for (int k = 1; k <= max_individus; ++k) {
        EXPECT_TRUE(s->arbre.tab_shape[k]->enabled && s->arbre.tab_label[k]->enabled) << k;
        EXPECT_FALSE(s->arbre.tab_shape[k]->show_hint || s->arbre.tab_label[k]->show_hint) << k;
    }

    // A carrier daughter: the case of the alleles tells XD from Xd.
    donne_genotype(s, 4, "XD,Xd");
    // The window names her as the lesson does, and her symbol stands out while she is asked.
    s.plateforme.gestes_modaux = {[&] {
                                      EXPECT_EQ(d.caption, "Quel est le génotype de II-3\u00a0?");
                                      EXPECT_TRUE(s->arbre.tab_shape[4]->mis_en_evidence);
                                  },
                                  repond(s, "XD,XD"),
                                  [&] {
                                      EXPECT_EQ(d.reponse_juste->caption, "Réponse\u00a0: XD,Xd");
                                      EXPECT_TRUE(d.autre->enabled);
                                  },
                                  attend_marque(s, "non"),
                                  repond(s, "xd,xd"),
                                  attend_marque(s, "non"),
                                  repond(s, " Xd , XD "),
                                  attend_marque(s, "oui"),
                                  clic(d.autre)};
    s->arbre.tab_label[4]->on_mouse_down(Bouton::gauche, 3, 3);
    EXPECT_EQ(s.plateforme.titres_modaux,
              std::vector<std::string>{"Quel est le génotype de II-3\u00a0?"});
    EXPECT_FALSE(s->arbre.tab_shape[4]->mis_en_evidence);
    // Beside the family, level with her: it covers nobody.
    for (int k = 1; k <= s->famille.dernier_indiv(); ++k)
        EXPECT_GT(d.left, s->arbre.tab_shape[k]->right()) << k;
    EXPECT_LE(d.top, s->arbre.tab_shape[4]->top);
    // "Autre génotype": the marks cleared, waiting for the next click.
    EXPECT_TRUE(s->interro.autre_demande);
    EXPECT_EQ(d.marque1->caption, ":");
    EXPECT_EQ(d.reponse_juste->caption, "Réponse\u00a0:");
    EXPECT_EQ(d.reponse1->caption, "");
    EXPECT_TRUE(d.visible);
    EXPECT_EQ(d.caption, "Cliquez sur un individu");
    EXPECT_EQ(d.height, 18);
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 1);

    // A third-generation child, disabled outside the exercise, is asked too; "Annuler" ends.
    donne_genotype(s, 9, "Xd,Y");
    s.plateforme.gestes_modaux = {repond(s, "y,xd"), attend_marque(s, "non"), repond(s, "Y,Xd"),
                                  clic(d.annuler)};
    s->arbre.tab_shape[9]->on_mouse_down(Bouton::droit, 1, 1);
    EXPECT_EQ(d.marque1->caption, "oui");
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 0);
    EXPECT_FALSE(s->interro.autre_demande);
    EXPECT_FALSE(d.visible);
    EXPECT_FALSE(s->arbre.tab_shape[9]->enabled || s->arbre.tab_label[9]->enabled);
    EXPECT_TRUE(s->arbre.tab_shape[4]->enabled && s->arbre.tab_shape[4]->show_hint);
    EXPECT_TRUE(s->arbre.tab_label[9]->show_hint);
    // The log keeps each question and the marks of each answer for the teacher, nothing else.
    std::vector<std::string> avec_questions = journal;
    for (const char* l :
         {"question_genotype(4)", "question_genotype(4)=0", "question_genotype(4)=0",
          "question_genotype(4)=1", "question_genotype(9)", "question_genotype(9)=0",
          "question_genotype(9)=1"})
        avec_questions.push_back(l);
    EXPECT_EQ(s.journal(), avec_questions);
    EXPECT_FALSE(s->phenotypes.panneau->visible);
    EXPECT_EQ(s->famille.individu(9).genotype(1).texte(), "Xd,Y");

    // A child as the crossing drew it: its answer shows no trace of a second gene.
    ASSERT_EQ(s->famille.individu(5).genotype(2).texte(), ",");
    s->interro.commence();
    s.plateforme.gestes_modaux = {repond(s, ""), clic(d.annuler)};
    clique(s, 5);
    EXPECT_EQ(d.reponse_juste->caption,
              "Réponse\u00a0: " + s->famille.individu(5).genotype(1).texte());

    // Out of the exercise a click chooses phenotypes again.
    s->arbre.tab_shape[1]->on_mouse_down(Bouton::gauche, 1, 1);
    EXPECT_EQ(s.journal().back(), "choix_all(1,left)");
}

TEST(ExerciceGenotypes, DeuxGenesSansGenotypeEtMarquesGardees) {
    Session s;
    choisit_genes(s, 0, 1);
    InterroGenotype& d = s->interro.dialogue;
    s->interro.commence();
    EXPECT_TRUE(d.reponse2->visible && d.marque2->visible);
    EXPECT_EQ(d.num_gene->caption, "gène 1      gène 2");

    // ABO folds case, colour blindness does not.
    donne_genotype(s, 1, "XD,Y", "A,O");
    s.plateforme.gestes_modaux = {repond(s, "Y,XD", "o , a"), clic(d.annuler)};
    clique(s, 1);
    EXPECT_EQ(d.marque1->caption, "oui");
    EXPECT_EQ(d.marque2->caption, "oui");
    EXPECT_EQ(d.reponse_juste->caption, "Réponse\u00a0: XD,Y   A,O");

    // After "Annuler" the marks stay and the next question shows them; a founder without
    // genotype takes the empty answers.
    s->interro.commence();
    s.plateforme.gestes_modaux = {[&] { EXPECT_EQ(d.marque2->caption, "oui"); }, repond(s, "", ""),
                                  clic(d.annuler)};
    clique(s, 2);
    EXPECT_EQ(d.marque1->caption, "oui");
    EXPECT_EQ(d.marque2->caption, "oui");
    EXPECT_EQ(d.reponse_juste->caption, "Réponse\u00a0:");
}

TEST(ExerciceGenotypes, FermetureParLaCroixEtAutresFins) {
    Session s;
    trois_generations(s);
    InterroGenotype& d = s->interro.dialogue;
    // Closed by the window's button with no "Autre génotype" before: the exercise ends.
    s->interro.commence();
    clique(s, 3);
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 0);
    EXPECT_FALSE(d.visible);

    // After an "Autre génotype", the window's button leaves it waiting for a click.
    s->interro.commence();
    // Disabled until an answer is marked.
    s.plateforme.gestes_modaux = {clic(d.autre), repond(s, "Y,XD"), clic(d.autre)};
    clique(s, 3);
    clique(s, 4);
    EXPECT_TRUE(s->interro.autre_demande);
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 1);
    EXPECT_TRUE(d.visible);
    EXPECT_EQ(d.caption, "Cliquez sur un individu");
    EXPECT_EQ(d.height, 18);

    // The start picture and the "Fichier" menu end the exercise too, and close the window.
    s->depart.image->on_mouse_down(Bouton::gauche, 0, 0);
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 0);
    EXPECT_FALSE(d.visible);
    EXPECT_FALSE(s->arbre.tab_shape[9]->enabled);
    s->interro.commence();
    s->menus.fichier->clic();
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 0);
    EXPECT_FALSE(d.visible);

    // Closed while it waits, by its button or by Escape, it ends the exercise as well.
    s->interro.commence();
    d.ferme();
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 0);
    EXPECT_TRUE(s->arbre.tab_shape[5]->show_hint);
    EXPECT_FALSE(s->arbre.tab_shape[9]->enabled);
    s->interro.commence();
    d.annuler->clic();
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 0);
    EXPECT_FALSE(s->arbre.tab_shape[9]->enabled || d.visible);
    // Over once, it puts nothing back: the states saved are stale by now.
    s->arbre.active(4, false);
    d.ferme();
    EXPECT_FALSE(s->arbre.tab_shape[4]->enabled);

    // Started again while it runs, it changes nothing: its end gives back the states of before,
    // and founder 1, married, cannot be married a second time.
    std::vector<bool> avant;
    for (int k = 1; k <= max_individus; ++k)
        avant.push_back(s->arbre.tab_shape[k]->enabled);
    s->interro.commence();
    s->interro.commence();
    s->menus.fichier->clic();
    for (int k = 1; k <= max_individus; ++k)
        EXPECT_EQ(s->arbre.tab_shape[k]->enabled, avant[k - 1]) << k;
    EXPECT_FALSE(s->arbre.tab_shape[1]->enabled);

    // "Autre famille" during the questions ends them: the new founders can be clicked.
    s->interro.commence();
    s.plateforme.reponses = {true};
    s->menus.autre_famille->clic();
    EXPECT_EQ(s->arbre.ped.mode_interro_geno, 0);
    EXPECT_FALSE(d.visible);
    EXPECT_TRUE(s->arbre.tab_shape[1]->enabled && s->arbre.tab_shape[2]->enabled);
    EXPECT_TRUE(s->arbre.tab_shape[1]->show_hint);

    // The help opens at the exercises.
    d.aide->clic();
    d.on_key_down(112);
    EXPECT_EQ(s.plateforme.aides, (std::vector<std::string>{"orvan.html#4", "orvan.html#4"}));
}
