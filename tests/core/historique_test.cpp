// The event log, its replay, undo, "Autre famille" and .gen files.
#include "app/plateforme_silencieuse.h"
#include "app/vidage.h"
#include "famille_test.h"
#include "history/actions.h"
#include "history/enregistrement_gen.h"
#include "history/fichier_gen.h"
#include "history/nombre.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace orvan;
using namespace orvan::test;
namespace fs = std::filesystem;

namespace {

void famille_de_trois_generations(Session& s) {
    donne_phenotypes(s, 1, 0);
    donne_phenotype_et_nb_enfants(s, 2, 1, 3);
    donne_phenotype_et_nb_enfants(s, 3, 0, 2);
    s->arbre.decale_fratrie(1, 25);
}

struct Dossier {
    fs::path chemin;
    Dossier() {
        chemin = fs::temp_directory_path() /
                 ("orvan_test_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(chemin);
    }
    ~Dossier() {
        std::error_code ec;
        fs::permissions(chemin, fs::perms::owner_all, ec);
        fs::remove_all(chemin, ec);
    }
    std::string operator/(const std::string& nom) const { return (chemin / nom).string(); }
};

std::string contenu(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void ecrit(const std::string& chemin, const std::string& octets) {
    std::ofstream(chemin, std::ios::binary) << octets;
}

} // namespace

TEST(Journal, LectureDesNombres) {
    EXPECT_EQ(lit_nombre("42"), 42);
    EXPECT_EQ(lit_nombre("  -37"), -37);
    EXPECT_EQ(lit_nombre("+5"), 5);
    EXPECT_EQ(lit_nombre(""), 0);
    EXPECT_EQ(lit_nombre("-12x"), 12); // digits before another character count without the sign
    EXPECT_EQ(lit_nombre("abc"), 0);
}

TEST(Journal, InitEvenementGardeLesPremieresLignesEtResemme) {
    Session s;
    s->journal.lignes().resize(10, "x");
    s.plateforme.heure = {1, 2, 3, 4};
    s->journal.init_evenement(4);
    ASSERT_EQ(s.journal().size(), 4u);
    EXPECT_EQ(s.journal()[0], "aleat=3723004");
    EXPECT_EQ(s.journal()[1], "bitbtn4click");
    s->journal.lignes().clear();
    s->journal.init_evenement(4);
    EXPECT_EQ(s.journal(), (std::vector<std::string>{"aleat=3723004"}));
}

TEST(Rejeu, NAjouteRienEtRefaitLaMemeFamille) {
    Session s;
    famille_de_trois_generations(s);
    const auto journal = s.journal();
    const std::string avant = etat_json(*s);
    s->historique.lancer->clic();
    EXPECT_EQ(s.journal(), journal);
    EXPECT_EQ(etat_json(*s), avant);
    EXPECT_TRUE(s->visible);
    EXPECT_FALSE(s->journal.rejeu_en_cours);
}

TEST(Rejeu, RespecteLaGrammaireDesLignes) {
    Session s;
    auto& l = s->journal.lignes();
    // Lines with an apostrophe, or command lines that are not exact, do nothing.
    l = {"aleat=5'", "bitbtn4click'", "bitbtn4click ", "BITBTN4CLICK"};
    s->arbre.tab_shape[1]->left = 7;
    s->historique.rejoue_journal();
    EXPECT_EQ(s->arbre.tab_shape[1]->left, 7);
    EXPECT_NE(s->alea.graine_alea, 5u);

    // "choix_all(k,right)" only with exactly "right)".
    l = {"choix_all(2,Right)"};
    s->historique.rejoue_journal();
    EXPECT_TRUE(s->phenotypes.panneau->visible);
    EXPECT_EQ(s->arbre.ped.changement_genotype, 0);
    s->phenotypes.annule();
    l = {"choix_all(2,right)"};
    s->historique.rejoue_journal();
    EXPECT_TRUE(s->genotypes.panneau->visible);
    EXPECT_EQ(s->genotypes.panneau->caption, "Changement de génotype");
    s->alleles.annule();

    // Selecting the selected item runs nothing; -1 only clears.
    s->genes.premier_gene->on_click = [] { FAIL() << "no handler expected"; };
    l = {"group_premclick.0", "group_premclick.-1"};
    s->historique.rejoue_journal();
    EXPECT_EQ(s->genes.premier_gene->index, -1);

    // "nb_desc=" sets the item without a handler; a shift moves children and their line.
    l = {"nb_desc=4"};
    s->historique.rejoue_journal();
    EXPECT_EQ(s->phenotypes.nb_descendants->index, 4);
}

TEST(Rejeu, DecalageDeplaceEnfantsEtLigne) {
    Session s;
    donne_phenotypes(s, 1, 0);
    donne_phenotype_et_nb_enfants(s, 2, 0, 2);
    const int enfant = s->arbre.tab_shape[3]->left;
    const int ligne = s->arbre.tab_union[0]->left;
    s->journal.lignes().push_back("decal_fratrie(0,-40)");
    s->historique.rejoue_journal();
    EXPECT_EQ(s->arbre.tab_shape[3]->left, enfant - 40);
    EXPECT_EQ(s->arbre.tab_union[0]->left, ligne - 40);
}

TEST(Rejeu, SurvitAUnFichierAbime) {
    Session s;
    famille_de_trois_generations(s);
    auto& l = s->journal.lignes();
    l.insert(l.end(),
             {"choix_all(41,left)", "choix_all(0,right)", "decal_fratrie(11,3)",
              "decal_fratrie(-1,3)", "couleur=(1,1,1,1,1,1,1,1,1,99)", "choix_genotype(3,2)",
              "choix_genotype(1,0)", "choix_gen(7,0)", "group_secclick.123456789012", "all_okclick",
              "bitbtn7click", "bitbtn7click", "bitbtn7click", std::string(1 << 20, 'y') + "(1,2)",
              std::string("\xff\xfe\x80(,,,)=(", 9)});
    for (int i = 0; i < 50; ++i)
        l.push_back("choix_all(" + std::to_string(i) + ",left)");
    s->historique.rejoue_journal();
    EXPECT_GE(s->famille.dernier_indiv(), 0);
    EXPECT_LE(s->famille.dernier_indiv(), 40);
    EXPECT_EQ(s->couleurs.figure_legende[1]->remplissage, rgb(0, 255, 255));
}

TEST(Rejeu, UnJournalEnregistreApresLeDemarrageRevientALIdentique) {
    Dossier d;
    Session s;
    s.plateforme.fichiers_a_enregistrer.push_back(d / "debut.gen");
    s->menus.enregistrer->clic();
    famille_de_trois_generations(s);
    s.plateforme.fichiers_a_enregistrer.push_back(d / "famille.gen");
    s->menus.enregistrer->clic();
    EXPECT_EQ(contenu(d / "debut.gen").substr(0, 6), "aleat=");

    // The start-up log alone, then the same clicks in a new program.
    Session t({3, 0, 0, 0});
    t.plateforme.fichiers_a_ouvrir.push_back(d / "debut.gen");
    t->menus.ouvrir->clic();
    famille_de_trois_generations(t);
    EXPECT_EQ(t.journal(), s.journal());
    for (int k = 1; k <= 40; ++k)
        EXPECT_EQ(t->famille.individu(k).genotype(1).texte(),
                  s->famille.individu(k).genotype(1).texte())
            << k;

    // The whole family opened in a fresh program dumps the same.
    Session u({4, 0, 0, 0});
    u.plateforme.fichiers_a_ouvrir.push_back(d / "famille.gen");
    u->menus.ouvrir->clic();
    EXPECT_EQ(etat_json(*u), etat_json(*s));
    EXPECT_EQ(u->coquille.nom_fichier_lu->caption, "fichier:famille.gen");
    EXPECT_TRUE(u->coquille.nom_fichier_lu->visible);
    EXPECT_EQ(u->coquille.nom_fichier_lu->top, u->coquille.titre->bottom());
    EXPECT_TRUE(u->menus.exercices->enabled);
    EXPECT_EQ(u.plateforme.repertoires_ouverture.back(), "/home/eleve/");
}

TEST(Annulation, RetireUneSerieDeDecalagesEnUneFois) {
    Session s;
    donne_phenotypes(s, 1, 0);
    donne_phenotype_et_nb_enfants(s, 2, 0, 2);
    const std::string avant = etat_json(*s);
    const std::size_t n = s.journal().size();
    for (int i = 0; i < 5; ++i)
        s->arbre.decale_fratrie(0, 12);
    s->historique.annuler->clic();
    EXPECT_EQ(s.journal().size(), n);
    EXPECT_EQ(etat_json(*s), avant);

    s->journal.lignes() = {s.journal()[0]};
    s->historique.annule_derniere_action();
    EXPECT_TRUE(s.journal().empty());
    s->historique.annule_derniere_action();
    EXPECT_TRUE(s.journal().empty());
}

TEST(Annulation, RetireLaDerniereAction) {
    Session s;
    donne_phenotypes(s, 1, 0);
    s->arbre.clic_individu(2, Bouton::gauche);
    const std::string avant = etat_json(*s);
    s->phenotypes.premier_phenotype->selectionne(1);
    s->historique.annuler->clic();
    EXPECT_EQ(s.journal().back(), "choix_all(2,left)");
    EXPECT_EQ(etat_json(*s), avant);
}

// Undo after undo, every family passed through is the one that opening the same lines gives,
// down to the gene set-up and the choice of the mode.
TEST(Annulation, ChaqueAnnulationRedonneCeQueDonneLOuvertureDesMemesLignes) {
    Dossier d;
    for (const char* nom : {"deux_genes.gen", "deux_genes_marques.gen", "trois_generations.gen"}) {
        PlateformeSilencieuse p;
        FenetrePrincipale f(p);
        f.coquille.demarre();
        f.coquille.sequence_demarrage();
        ASSERT_TRUE(f.historique.ouvre_fichier(std::string(ORVAN_TEST_DATA) + "/" + nom));
        while (f.journal.lignes().size() > 2) {
            f.historique.annule_derniere_action();
            ASSERT_EQ(enregistre_fichier_gen(d / "court.gen", f.journal.lignes()),
                      Enregistrement::reussi);
            std::ostringstream ouvert, erreurs;
            ASSERT_EQ(vidage(d / "court.gen", ouvert, erreurs), 0);
            EXPECT_EQ(etat_json(f) + "\n", ouvert.str())
                << nom << ", " << f.journal.lignes().size() << " lignes";
        }
    }
}

TEST(AutreFamille, GardeLesGenesEtTireUneNouvelleFamille) {
    Session s;
    famille_de_trois_generations(s);
    ASSERT_TRUE(s->menus.autre_famille->enabled);
    s.plateforme.reponses_trois = {ReponseTrois::annule};
    const auto journal = s.journal();
    s->menus.autre_famille->clic();
    EXPECT_EQ(s.journal(), journal);

    s.plateforme.heure = {5, 6, 7, 8};
    s.plateforme.reponses_trois = {ReponseTrois::refuse};
    s->menus.autre_famille->clic();
    EXPECT_EQ(s.journal(), (std::vector<std::string>{"aleat=18367008", "bitbtn4click",
                                                     "group_premclick.0", "bitbtn1click"}));
    EXPECT_EQ(s->famille.dernier_indiv(), 0);
    EXPECT_TRUE(s->arbre.tab_shape[1]->visible && s->arbre.tab_shape[1]->enabled);
    EXPECT_EQ(s->coquille.titre->caption, "Daltonisme d");
}

// A family read from a file: the new one is no file's and has no exercise to do yet.
TEST(AutreFamille, NeNommePlusLeFichierEtAttendLesFondateurs) {
    Session s;
    ASSERT_TRUE(s->historique.ouvre_fichier(ORVAN_TEST_DATA "/trois_generations.gen"));
    ASSERT_TRUE(s->menus.exercices->enabled && s->coquille.nom_fichier_lu->visible);
    s.plateforme.reponses = {true};
    s->menus.autre_famille->clic();
    EXPECT_EQ(s.plateforme.questions.back(),
              "Voulez-vous effacer cette famille\ret en commencer une nouvelle avec les mêmes "
              "gènes\u00a0?");
    EXPECT_FALSE(s->menus.exercices->enabled);
    EXPECT_FALSE(s->coquille.nom_fichier_lu->visible);
    EXPECT_TRUE(s->coquille.fichier_lu.empty());
}

TEST(AutreFamille, GardeLaConfirmationDesDeuxGenes) {
    Session s;
    s->journal.lignes() = {"aleat=1", "bitbtn5click", "group_premclick.0", "group_secclick.1",
                           "bitbtn1click"};
    s->historique.rejoue_journal();
    s->arbre.clic_individu(1, Bouton::gauche);
    s->phenotypes.premier_phenotype->selectionne(0);
    s->phenotypes.second_phenotype->selectionne(0);
    s->phenotypes.ok->clic();
    s.plateforme.reponses = {true};
    s->coquille.autre_famille();
    ASSERT_EQ(s.journal().size(), 5u);
    EXPECT_EQ(s.journal()[4], "bitbtn1click");
    EXPECT_EQ(s->coquille.titre->caption, "Daltonisme d et Groupes ABO");
    EXPECT_TRUE(s->arbre.tab_shape[1]->visible && s->arbre.tab_shape[2]->visible);
    EXPECT_EQ(s->genes.modele.nb_phenotypes_total, 6);
}

// A teacher's family: the start-up's automatic choice, then haemophilia chosen by hand. The new
// family keeps haemophilia, and the window names it.
TEST(AutreFamille, GardeLeGeneChoisiParLEnseignant) {
    Session s;
    const std::vector<std::string> mise_en_place = {
        "aleat=40274280",    "bitbtn4click", "group_premclick.0", "bitbtn1click", "bitbtn4click",
        "group_premclick.0", "bitbtn1click", "group_premclick.3", "bitbtn1click"};
    s->journal.lignes() = mise_en_place;
    for (const char* l : {"choix_all(1,left)", "prem_alleleclick.0", "all_okclick",
                          "choix_all(2,left)", "prem_alleleclick.0", "all_okclick"})
        s->journal.lignes().push_back(l);
    s->historique.rejoue_journal();
    EXPECT_EQ(s->caption, "Hémophilie h");
    s.plateforme.reponses = {true};
    s->coquille.autre_famille();
    EXPECT_EQ(std::vector<std::string>(s.journal().begin() + 1, s.journal().end()),
              std::vector<std::string>(mise_en_place.begin() + 1, mise_en_place.end()));
    EXPECT_EQ(s->coquille.titre->caption, "Hémophilie h");
    EXPECT_EQ(s->caption, "Hémophilie h");
    donne_phenotypes(s, 1, 0);
    const std::string genotype = s->famille.individu(1).genotype(1).texte();
    EXPECT_TRUE(contient(genotype, "XH")) << genotype;
}

TEST(Edition, UneActionEstUnPanneauDeSonOuvertureASaFermeture) {
    using V = std::vector<std::string>;
    const V mise_en_place = {"aleat=1", "bitbtn4click", "group_premclick.0", "bitbtn1click"};
    const auto debut = [&](V fin) {
        V l = mise_en_place;
        l.insert(l.end(), fin.begin(), fin.end());
        return static_cast<int>(debut_derniere_action(l, 4)) - 4;
    };
    EXPECT_EQ(debut({}), 0);
    EXPECT_EQ(debut({"choix_all(1,left)", "prem_alleleclick.0", "all_okclick"}), 0);
    EXPECT_EQ(
        debut({"menu_genoclick", "choix_all(2,left)", "choix_gen(1,0)", "choix_gen(1,2)",
               "choix_genotype(1,3)", "nb_desc=2", "gametes_chromosome_sexuel", "bitbtn8click"}),
        1);
    // A panel still open is an action too; the shifts of a drag go together.
    EXPECT_EQ(
        debut({"choix_all(1,left)", "all_okclick", "choix_all(5,right)", "choix_sexeclick.1"}), 2);
    EXPECT_EQ(
        debut({"choix_all(1,left)", "all_okclick", "decal_fratrie(1,3)", "decal_fratrie(1,-2)"}),
        2);
    EXPECT_EQ(debut({"bitbtn6click", "coche_reponse(1,2)=0"}), 1);
    // A cancel without its panel's opening is a line of its own.
    EXPECT_EQ(debut({"bitbtn7click"}), 0);
    EXPECT_EQ(debut({"menu_genoclick", "bitbtn7click"}), 1);
}

// Ctrl+Z takes back the last whole action, a panel from its opening to its OK; Ctrl+Y puts it
// back; a new action forgets what was undone; the gene set-up stays.
TEST(Edition, AnnulerEtRetablirParAction) {
    Session s;
    EXPECT_FALSE(s->menus.annuler_action->enabled || s->menus.retablir_action->enabled);
    s->phenotypes.nb_descendants->choix_utilisateur(5);
    donne_phenotypes(s, 1, 0);
    const std::string un_fondateur = etat_json(*s);
    donne_phenotypes(s, 2, 0);
    const std::string famille = etat_json(*s);
    const std::vector<std::string> journal = s.journal();
    s->arbre.clic_individu(3, Bouton::droit);
    s->genotypes.sexe->selectionne(s->genotypes.sexe->index == 0 ? 1 : 0);
    s->genotypes.annuler->clic();
    const std::string change_annule = etat_json(*s);
    EXPECT_TRUE(s->menus.annuler_action->enabled);

    s->menus.annuler_action->clic();
    EXPECT_EQ(s.journal(), journal);
    EXPECT_EQ(etat_json(*s), famille);
    s->menus.annuler_action->clic();
    EXPECT_EQ(etat_json(*s), un_fondateur);
    EXPECT_TRUE(s->menus.retablir_action->enabled);
    s->menus.retablir_action->clic();
    EXPECT_EQ(etat_json(*s), famille);
    s->menus.retablir_action->clic();
    EXPECT_EQ(etat_json(*s), change_annule);
    EXPECT_FALSE(s->menus.retablir_action->enabled);

    s->menus.annuler_action->clic();
    s->arbre.clic_individu(4, Bouton::gauche);
    EXPECT_FALSE(s->menus.retablir_action->enabled);
    s->menus.retablir_action->clic();
    EXPECT_EQ(s.journal().back(), "choix_all(4,left)");

    for (int i = 0; i < 10; ++i)
        s->historique.annule_action();
    EXPECT_EQ(s.journal().size(), 4u);
    EXPECT_EQ(s.journal()[3], "bitbtn1click");
    EXPECT_FALSE(s->menus.annuler_action->enabled);
}

// A panel closed by its own "Annuler" is one action too: Ctrl+Z takes back the cancelled panel
// whole, then the founder confirmed before it; Ctrl+Y puts them back in turn.
TEST(Edition, UnPanneauAnnuleEstUneAction) {
    Session s;
    donne_phenotypes(s, 1, 0);
    const auto un_fondateur = s.journal();
    const std::string etat_un_fondateur = etat_json(*s);
    s->arbre.clic_individu(2, Bouton::gauche);
    s->phenotypes.premier_phenotype->selectionne(1);
    s->phenotypes.annuler->clic();
    ASSERT_EQ(s.journal().back(), "all_annulclick");
    const auto annule = s.journal();

    s->menus.annuler_action->clic();
    EXPECT_EQ(s.journal(), un_fondateur);
    EXPECT_EQ(etat_json(*s), etat_un_fondateur);
    EXPECT_FALSE(s->phenotypes.panneau->visible);
    s->menus.annuler_action->clic();
    EXPECT_EQ(s.journal().size(), 4u);
    s->menus.retablir_action->clic();
    EXPECT_EQ(s.journal(), un_fondateur);
    s->menus.retablir_action->clic();
    EXPECT_EQ(s.journal(), annule);
    EXPECT_FALSE(s->phenotypes.panneau->visible);
}

TEST(Fichiers, DecoupeLesLignesCommeUnTexte) {
    using V = std::vector<std::string>;
    EXPECT_EQ(lignes_du_texte("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(lignes_du_texte("a\nb\rc"), (V{"a", "b", "c"}));
    EXPECT_EQ(lignes_du_texte("a\n\nb\n"), (V{"a", "", "b"}));
    EXPECT_EQ(lignes_du_texte(std::string("a\nb\0c\nd", 7)), (V{"a", "b"}));
    EXPECT_EQ(lignes_du_texte(""), V{});
    // Windows-1252 bytes are read as such; valid UTF-8 stays as it is.
    EXPECT_EQ(lignes_du_texte("\xe9t\xe9\x80"), (V{"été€"}));
    EXPECT_EQ(lignes_du_texte("été"), (V{"été"}));
    EXPECT_EQ(texte_des_lignes({"été", "x"}), "\xe9t\xe9\r\nx\r\n");
    EXPECT_EQ(texte_des_lignes({}), "");
    EXPECT_EQ(nom_sans_repertoire("/a/b/c/famille.gen"), "famille.gen");
    EXPECT_EQ(nom_sans_repertoire("C:\\x\\y.gen"), "y.gen");
}

TEST(Fichiers, UnAllerRetourNePerdRien) {
    Dossier d;
    std::string octets;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n') octets += static_cast<char>(c);
    ecrit(d / "tout.gen", octets + "\r\naleat=1\r\n");
    const auto lignes = lit_fichier_gen(d / "tout.gen");
    ASSERT_TRUE(lignes);
    ASSERT_EQ(enregistre_fichier_gen(d / "copie.gen", *lignes), Enregistrement::reussi);
    EXPECT_EQ(contenu(d / "copie.gen"), contenu(d / "tout.gen"));

    const std::vector<std::string> chinois = {"家族", "aleat=2"};
    ASSERT_EQ(enregistre_fichier_gen(d / "utf8.gen", chinois), Enregistrement::reussi);
    EXPECT_EQ(lit_fichier_gen(d / "utf8.gen"), chinois);
}

TEST(Fichiers, OuvrirGereAnnulationEtErreurs) {
    Dossier d;
    Session s;
    const auto journal = s.journal();
    s->menus.ouvrir->clic(); // cancelled
    s.plateforme.fichiers_a_ouvrir.push_back(d / "absent.gen");
    s->menus.ouvrir->clic();
    EXPECT_EQ(s.journal(), journal);
    ASSERT_EQ(s.plateforme.erreurs.size(), 1u);
    EXPECT_EQ(s.plateforme.erreurs[0], "Impossible d'ouvrir le fichier " + (d / "absent.gen"));
    EXPECT_FALSE(s->coquille.nom_fichier_lu->visible);

    ecrit(d / "vide.gen", "");
    s.plateforme.fichiers_a_ouvrir.push_back(d / "vide.gen");
    s->menus.ouvrir->clic();
    EXPECT_TRUE(s.journal().empty());
}

TEST(Fichiers, EnregistrerNeDetruitJamaisLAncienFichier) {
    Dossier d;
    Session s;
    ecrit(d / "bon.gen", "aleat=1\r\n");
    s.plateforme.fichiers_a_enregistrer.push_back(d / "sans_dossier/x.gen");
    s->menus.enregistrer->clic();
    EXPECT_EQ(s.plateforme.erreurs.back(),
              "Impossible de créer le fichier " + (d / "sans_dossier/x.gen"));

    // A write that fails half way (file size limit) leaves the old file whole.
    s->journal.lignes().assign(2000, std::string(100, 'z'));
    rlimit ancienne{};
    getrlimit(RLIMIT_FSIZE, &ancienne);
    auto ancien_signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit petite = ancienne;
    petite.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &petite);
    s.plateforme.fichiers_a_enregistrer.push_back(d / "bon.gen");
    s->menus.enregistrer->clic();
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, ancien_signal);
    EXPECT_EQ(s.plateforme.erreurs.back(), "Erreur d'écriture dans le flux");
    EXPECT_EQ(contenu(d / "bon.gen"), "aleat=1\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(d.chemin), fs::directory_iterator()), 1);

    if (::geteuid() != 0) {
        fs::permissions(d.chemin, fs::perms::owner_read | fs::perms::owner_exec);
        s.plateforme.fichiers_a_enregistrer.push_back(d / "bon.gen");
        s->menus.enregistrer->clic();
        EXPECT_EQ(contenu(d / "bon.gen"), "aleat=1\r\n");
    }

    // The name is used as typed; the dialog proposes the last one.
    s->journal.lignes() = {"aleat=3"};
    s.plateforme.fichiers_a_enregistrer.push_back(d / "sans_extension");
    s->menus.enregistrer->clic();
    EXPECT_EQ(contenu(d / "sans_extension"), "aleat=3\r\n");
    EXPECT_EQ(s.plateforme.noms_proposes.front(), "*.gen");
    EXPECT_EQ(s.plateforme.noms_proposes.back(), d / "bon.gen");
}

TEST(Vidage, LesFamillesEnregistreesRedonnentLeurEtat) {
    for (const auto& entree : fs::directory_iterator(ORVAN_TEST_DATA)) {
        if (entree.path().extension() != ".gen") continue;
        std::ostringstream sortie, erreurs;
        ASSERT_EQ(vidage(entree.path().string(), sortie, erreurs), 0) << entree.path();
        fs::path attendu = entree.path();
        attendu.replace_extension(".json");
        EXPECT_EQ(sortie.str(), contenu(attendu.string())) << entree.path();
    }
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(vidage("/nulle/part.gen", sortie, erreurs), 1);
    EXPECT_EQ(erreurs.str(), "Impossible d'ouvrir le fichier /nulle/part.gen\n");
    EXPECT_TRUE(sortie.str().empty());
}
