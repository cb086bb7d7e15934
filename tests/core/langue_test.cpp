// The language file: its lines, their application to the main window, and the shipped file.
#include "plateforme_test.h"
#include "ui/langue.h"
#include "ui/langue_fiche.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

using namespace orvan;
using orvan::test::Session;
namespace fs = std::filesystem;

namespace {

// A directory of its own for each test, holding a language file written byte for byte.
struct Repertoire {
    fs::path chemin;
    explicit Repertoire(const std::string& suffixe = "") {
        chemin = fs::temp_directory_path() /
                 ("orvan_langue_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + suffixe);
        fs::create_directories(chemin);
    }
    ~Repertoire() {
        std::error_code ec;
        fs::remove_all(chemin, ec);
    }
    void ecrit(const std::string& octets) const {
        std::ofstream(chemin / "langue_orvan.txt", std::ios::binary) << octets;
    }
    std::vector<std::string> seul() const { return {chemin.string()}; }
};

std::vector<LigneLangue> lignes(const std::vector<std::string>& texte) {
    const FichierLangue f = analyse_langue(texte);
    EXPECT_FALSE(f.erreur);
    return f.lignes;
}

std::vector<std::string> lignes_livrees() {
    std::ifstream f(std::string(ORVAN_TEST_DATA) + "/../../data/langue_orvan.txt");
    std::vector<std::string> resultat;
    for (std::string l; std::getline(f, l);)
        resultat.push_back(l);
    return resultat;
}

// Every text that the language file can reach, by control name.
std::map<std::string, std::vector<std::string>> textes(const Fiche& fiche) {
    std::map<std::string, std::vector<std::string>> t;
    for (const auto& c : fiche.composants()) {
        t[c->nom] = {c->caption};
        if (const auto* l = dynamic_cast<const Combo*>(c.get()))
            t[c->nom].insert(t[c->nom].end(), l->items.begin(), l->items.end());
        if (const auto* m = dynamic_cast<const Memo*>(c.get()))
            t[c->nom].insert(t[c->nom].end(), m->lignes.begin(), m->lignes.end());
    }
    return t;
}

} // namespace

TEST(LigneDeLangue, ColonnesTagEtPrefixes) {
    EXPECT_EQ(texte_langue("Menu_11:Ouvrir;Open", 1), "Ouvrir");
    EXPECT_EQ(texte_langue("Menu_11:Ouvrir;Open", 2), "Open");
    EXPECT_EQ(texte_langue("Menu_1:Fichier;File;à revoir", 2), "File");
    EXPECT_EQ(texte_langue("Label_44:Une_deux;One_two", 2), "One\rtwo");
    EXPECT_EQ(texte_langue("Menu_13:Imprimer : tout;Print: all", 1), "Imprimer : tout");
    EXPECT_EQ(texte_langue("Menu_13:Imprimer : tout;Print: all", 2), "Print: all");
    // Without ";" both languages get the whole text.
    EXPECT_EQ(texte_langue("Groupe_5:Couleurs", 1), "Couleurs");
    EXPECT_EQ(texte_langue("Groupe_5:Couleurs", 2), "Couleurs");
    // A long English column leaves nothing of itself in the French text.
    EXPECT_EQ(texte_langue("Menu_1:Fichier;" + std::string(150, 'x'), 1), "Fichier");

    EXPECT_EQ(texte_du_tag("Menu_11:Ouvrir;Open"), "11");
    EXPECT_EQ(texte_du_tag("  Menu_7:a_b;c"), "7");
    EXPECT_EQ(genres_adresses("Label_44:voir le Menu_;see the menu"),
              (std::vector<Genre>{Genre::menu, Genre::label}));
    EXPECT_EQ(genres_adresses("Speed_0:x"), std::vector<Genre>{Genre::bouton_plat});
    EXPECT_TRUE(genres_adresses("menu_1:minuscules;lower case").empty());

    EXPECT_EQ(morceaux("hasard/2/3"), (std::vector<std::string>{"hasard", "2", "3"}));
    EXPECT_EQ(morceaux("a//b/"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(morceaux(""), std::vector<std::string>{""});
}

TEST(LigneDeLangue, UnTagInvalideArreteLaLecture) {
    const FichierLangue f =
        analyse_langue({"Textes", "Menu_1:A;Un", "", "Menu_x2:B;Deux", "Menu_11:C;Trois"});
    ASSERT_EQ(f.lignes.size(), 1u);
    EXPECT_EQ(f.lignes[0].tag, 1);
    EXPECT_EQ(f.lignes[0].francais, "A");
    EXPECT_EQ(f.lignes[0].anglais, "Un");
    ASSERT_TRUE(f.erreur);
    EXPECT_NE(f.erreur->francais.find("ligne 4"), std::string::npos);
    EXPECT_NE(f.erreur->francais.find("x2"), std::string::npos);
    EXPECT_TRUE(analyse_langue({"Label_:vide;empty"}).erreur);
    // A line that lost its colon stops the reading instead of renaming its control.
    const FichierLangue sans = analyse_langue({"Menu_1:A;Un", "Menu_12"});
    EXPECT_EQ(sans.lignes.size(), 1u);
    ASSERT_TRUE(sans.erreur);
    EXPECT_NE(sans.erreur->francais.find("ligne 2"), std::string::npos);
}

TEST(LangueDeLaFenetre, QuestionCaractereSurDeuxLignes) {
    Session s;
    const auto l = lignes({"Label_44:Voulez-vous tout perdre ?;Lose the data on screen_for new "
                           "traits?"});
    applique_langue(*s, l, langue_anglais);
    EXPECT_EQ(s->coquille.question_caractere->caption, "Lose the data on screen\rfor new traits?");
    s.plateforme.reponses.push_back(false);
    s->menus.caractere->clic();
    EXPECT_EQ(s.plateforme.questions.back(), "Lose the data on screen\rfor new traits?");
    applique_langue(*s, l, langue_francais);
    EXPECT_EQ(s->coquille.question_caractere->caption, "Voulez-vous tout perdre ?");
}

TEST(LangueDeLaFenetre, GenreExactEtTagZero) {
    Session s;
    applique_langue(*s, lignes({"Bitbtn_0:Bouton;Button", "Groupe_5:Couleurs"}), langue_anglais);
    // Every untagged button of the exact kind, and only those.
    EXPECT_EQ(s->coquille.bouton_mono->caption, "Button");
    EXPECT_EQ(s->phenotypes.ok->caption, "Button");
    EXPECT_EQ(s->phenotypes.annuler->caption, "Annuler");
    EXPECT_EQ(s->historique.lancer->caption, "lancer");
    EXPECT_EQ(s->depart.fleche->caption, "");
    EXPECT_EQ(s->couleurs.panneau->caption, "Couleurs");
    // Language 3 asks for nothing.
    applique_langue(*s, lignes({"Groupe_5:Couleurs;Colours"}), 3);
    EXPECT_EQ(s->couleurs.panneau->caption, "Couleurs");
    EXPECT_EQ(langue_du_menu(*s->menus.francais), 1);
    EXPECT_EQ(langue_du_menu(*s->menus.anglais), 2);
}

TEST(LangueDeLaFenetre, ListeRenommeeSansPerdreLeChoix) {
    Session s;
    s->phenotypes.nb_descendants->choix_utilisateur(3);
    const auto journal = s.journal();
    applique_langue(*s, lignes({"Combo_1:hasard/deux;random/two/three/four/five/six/seven"}),
                    langue_anglais);
    EXPECT_EQ(s->phenotypes.nb_descendants->items,
              (std::vector<std::string>{"random", "two", "three", "four", "five", "six"}));
    EXPECT_EQ(s->phenotypes.nb_descendants->index, 3);
    EXPECT_EQ(s->genotypes.nb_descendants->items[0], "hasard");
    EXPECT_EQ(s.journal(), journal);
}

TEST(LangueDeLaFenetre, BanqueRemplaceeAuProchainInit) {
    Session s;
    applique_langue(*s, lignes({"Memo_0:{Essai}/Commentaire/(D,d)=(D>d),(sur X)/(D<d);x"}),
                    langue_francais);
    // The "/" of the relation line starts a new line of the bank.
    EXPECT_EQ(s->genes.banque->lignes,
              (std::vector<std::string>{"{Essai}", "Commentaire", "(D,d)=(D>d),(sur X)", "(D<d)"}));
    EXPECT_EQ(s->genes.premier_gene->items.size(), 4u);
    s->genes.extrait_maladies();
    EXPECT_TRUE(s->genes.premier_gene->items.empty());
}

TEST(FichierDeLangue, AnglaisPuisFrancaisNeRendQueCeQueLeFichierNomme) {
    Session s;
    Repertoire r;
    r.ecrit("Menu_1:Dossier;File\r\nMenu_2:Caract\xe8re;Trait\r\n");
    const auto journal = s.journal();
    EXPECT_TRUE(change_langue(*s, langue_anglais, r.seul(), s.plateforme));
    EXPECT_EQ(s->menus.fichier->caption, "File");
    EXPECT_EQ(s->menus.caractere->caption, "Trait");
    EXPECT_TRUE(change_langue(*s, langue_francais, r.seul(), s.plateforme));
    EXPECT_EQ(s->menus.fichier->caption, "Dossier");
    // Read as Windows-1252, since the file is not UTF-8.
    EXPECT_EQ(s->menus.caractere->caption, "Caractère");
    EXPECT_EQ(s->menus.ouvrir->caption, "Ouvrir");
    EXPECT_EQ(s.journal(), journal);
    EXPECT_TRUE(s.plateforme.erreurs.empty());
}

TEST(FichierDeLangue, TagInvalideSignaleEtLignesPrecedentesGardees) {
    Session s;
    Repertoire r;
    r.ecrit("Menu_1:Fichier;File\nMenu_1x:Caractère;Trait\nMenu_11:Ouvrir;Open\n");
    EXPECT_TRUE(change_langue(*s, langue_anglais, r.seul(), s.plateforme));
    EXPECT_EQ(s->menus.fichier->caption, "File");
    EXPECT_EQ(s->menus.caractere->caption, "Caractère");
    EXPECT_EQ(s->menus.ouvrir->caption, "Ouvrir");
    ASSERT_EQ(s.plateforme.erreurs.size(), 1u);
    EXPECT_NE(s.plateforme.erreurs[0].find("1x"), std::string::npos);
}

TEST(FichierDeLangue, UnFichierTropGrandEstRefuseEtUneLegendeResteBornee) {
    Session s;
    Repertoire r;
    // 1 MiB and one byte of empty lines after a line that would apply.
    r.ecrit("Menu_1:Dossier;File\n" + std::string(1024 * 1024 + 1 - 20, '\n'));
    EXPECT_TRUE(change_langue(*s, langue_anglais, r.seul(), s.plateforme));
    EXPECT_EQ(s->menus.fichier->caption, "Fichier");
    ASSERT_EQ(s.plateforme.erreurs.size(), 1u);
    EXPECT_EQ(s.plateforme.erreurs[0], "Le fichier de langue " +
                                           (r.chemin / "langue_orvan.txt").string() +
                                           " dépasse 1 Mio : il n'a pas été lu.");

    // 50,000 "_" would be as many lines: the question keeps twelve of them, and a long caption
    // four hundred characters.
    r.ecrit("Label_44:x;" + std::string(50'000, '_') + "\nMenu_1:D;" + std::string(5000, 'F'));
    EXPECT_TRUE(change_langue(*s, langue_anglais, r.seul(), s.plateforme));
    EXPECT_EQ(s->coquille.question_caractere->caption, std::string(11, '\r'));
    EXPECT_EQ(s->menus.fichier->caption, std::string(400, 'F'));
}

TEST(FichierDeLangue, RechercheDansLOrdreDesRepertoires) {
    Session s;
    Repertoire vide("_depart"), programme("_programme"), donnees("_donnees");
    programme.ecrit("Menu_1:Fichier;File");
    donnees.ecrit("Menu_1:Fichier;Data");
    const std::vector<std::string> ordre = {vide.chemin.string(), programme.chemin.string(),
                                            donnees.chemin.string()};
    EXPECT_TRUE(change_langue(*s, langue_anglais, ordre, s.plateforme));
    EXPECT_EQ(s->menus.fichier->caption, "File");

    // No file anywhere: nothing changes and nothing is said.
    Session t;
    EXPECT_FALSE(change_langue(*t, langue_anglais, {vide.chemin.string()}, t.plateforme));
    EXPECT_EQ(t->menus.fichier->caption, "Fichier");
    EXPECT_TRUE(t.plateforme.erreurs.empty());

    const auto repertoires = repertoires_langue("/home/eleve/", "");
    ASSERT_EQ(repertoires.size(), 2u);
    EXPECT_EQ(repertoires[0], "/home/eleve/");
    EXPECT_EQ(fs::path(repertoires[1]).filename(), "orvan");
}

TEST(FichierLivre, ChaqueLigneNommeUnControleExistant) {
    Session s;
    const auto texte = lignes_livrees();
    const FichierLangue f = analyse_langue(texte);
    ASSERT_FALSE(f.erreur) << f.erreur->francais;
    // 48 menu entries, the question label, 4 boxes, 3 buttons, the list.
    ASSERT_EQ(f.lignes.size(), 57u);
    for (const auto& l : f.lignes) {
        ASSERT_EQ(l.genres.size(), 1u) << l.francais;
        EXPECT_NE(l.tag, 0) << l.francais;
        EXPECT_FALSE(l.francais.empty() || l.anglais.empty()) << l.francais;
        int trouves = 0;
        for (const auto& c : s->composants())
            if (c->genre == l.genres[0] && c->tag == l.tag) ++trouves;
        EXPECT_EQ(trouves, 1) << l.francais;
    }
    // Every tagged control is named, but the two whose text is the chosen gene's name.
    for (const auto& c : s->composants()) {
        if (c->tag == 0 || c->nom == "titre" || c->nom == "prem_allele") continue;
        bool nomme = false;
        for (const auto& l : f.lignes)
            nomme = nomme || (l.genres[0] == c->genre && l.tag == c->tag);
        EXPECT_TRUE(nomme) << c->nom;
    }
}

TEST(FichierLivre, AnglaisPuisFrancaisRendLesTextesDOrigine) {
    Session s;
    const auto f = analyse_langue(lignes_livrees());
    const auto origine = textes(*s);
    applique_langue(*s, f.lignes, langue_anglais);
    EXPECT_EQ(s->menus.fichier->caption, "File");
    EXPECT_EQ(s->menus.anglais->caption, "English");
    EXPECT_EQ(s->coquille.question_caractere->caption,
              "Do you want to lose the data on screen\rfor new traits?");
    EXPECT_EQ(s->phenotypes.nb_descendants->items[0], "random");
    EXPECT_EQ(textes(*s).at("banque_genes"), origine.at("banque_genes"));
    applique_langue(*s, f.lignes, langue_francais);
    const auto retour = textes(*s);
    for (const auto& [nom, t] : origine)
        EXPECT_EQ(retour.at(nom), t) << nom;
}
