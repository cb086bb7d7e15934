// The class statistics: a class's saved families pooled, their tables and tests as a teacher
// works them out, the data written for spreadsheets and pedigree programs.
#include "app/commande_statistiques.h"
#include "app/familles_comptees.h"
#include "app/recolte.h"
#include "ground/messages.h"
#include "history/enregistrement_gen.h"
#include "history/fichier_gen.h"
#include "plateforme_test.h"
#include "statistiques/attendus_programme.h"
#include "statistiques/comparaison.h"
#include "statistiques/export_csv.h"
#include "statistiques/export_ped.h"
#include "statistiques/graines.h"
#include "statistiques/khi2.h"
#include "statistiques/series.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using namespace orvan;

namespace {

const std::string classe = ORVAN_TEST_DATA "/classe";

std::string contenu(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

const TableCroisement* table(const std::vector<TableCroisement>& tables,
                             const std::string& genotypes) {
    for (const TableCroisement& t : tables)
        if (t.phenotypes_parents == "[Rh+] × [Rh-]" && t.genotypes_parents == genotypes) return &t;
    return nullptr;
}

} // namespace

// Worked by hand: 60 and 40 against 50 and 50 give 100/50 + 100/50 = 4 on one degree of
// freedom, p = 0.0455 in the tables; 3 and 1 against 2 and 2 give 1, with expected counts under
// 5; a child where none is expected rules the hypothesis out.
TEST(Statistiques, KhiDeuxCalculeALaMain) {
    struct Cas {
        std::vector<double> observes, attendus;
        double khi2, p;
        int ddl;
        bool sous_5, hors;
    };
    const Cas cas[] = {
        {{60, 40}, {50, 50}, 4.0, 0.0455, 1, false, false},
        {{3, 1}, {2, 2}, 1.0, 0.3173, 1, true, false},
        {{30, 10, 0}, {30, 10, 0}, 0.0, 1.0, 1, false, false},
        {{20, 5, 1}, {20, 6, 0}, INFINITY, 0.0, 1, false, true},
        {{12}, {12}, 0.0, 1.0, 0, false, false},
    };
    for (const Cas& c : cas) {
        const TestKhi2 t = test_khi2(c.observes, c.attendus);
        EXPECT_DOUBLE_EQ(t.khi2, c.khi2);
        EXPECT_NEAR(t.p, c.p, 5e-5);
        EXPECT_EQ(t.ddl, c.ddl);
        EXPECT_EQ(t.attendu_sous_5, c.sous_5);
        EXPECT_EQ(t.observe_hors_attendus, c.hors);
    }
}

// Four saved families of the rhesus factor, a man [Rh+] with a woman [Rh-], six children each,
// read from their dumps: the heterozygous fathers had 3+6+2 = 11 [Rh+] and 3+0+4 = 7 [Rh-]
// children (fils 2+2+0 and 1+0+3, filles 1+4+2 and 2+0+1), the homozygous one six [Rh+] (two
// sons). Beside them a note that is no family, and a file that is not there.
TEST(Statistiques, UneClasseDeFamillesEnregistrees) {
    Recolteur recolteur;
    const Recolte r = recolteur.fichiers({classe, "/nulle/part.gen"});
    ASSERT_EQ(r.familles.size(), 4u);
    ASSERT_EQ(r.ecartes.size(), 2u);
    EXPECT_EQ(r.ecartes[0].chemin, classe + "/notes.gen");
    EXPECT_EQ(r.ecartes[0].raison.francais,
              "Ce fichier n'est pas une famille : il n'a pas de graine du tirage");
    EXPECT_EQ(r.ecartes[1].raison.francais, "Impossible d'ouvrir le fichier /nulle/part.gen");

    const auto tables = tables_croisements(r.familles);
    ASSERT_EQ(tables.size(), 3u);
    const TableCroisement* tous = table(tables, "");
    const TableCroisement* heterozygotes = table(tables, "Rh+,Rh- × Rh-,Rh-");
    const TableCroisement* homozygote = table(tables, "Rh+,Rh+ × Rh-,Rh-");
    ASSERT_TRUE(tous && heterozygotes && homozygote);
    EXPECT_EQ(tous->nb_unions, 4);
    EXPECT_EQ(heterozygotes->nb_unions, 3);
    const Comptes attendus = {{{"[Rh+]", Sexe::homme}, 4},
                              {{"[Rh+]", Sexe::femme}, 7},
                              {{"[Rh-]", Sexe::homme}, 4},
                              {{"[Rh-]", Sexe::femme}, 3}};
    EXPECT_EQ(heterozygotes->observes, attendus);
    EXPECT_EQ(total(tous->observes), 24);
    EXPECT_EQ(homozygote->observes,
              (Comptes{{{"[Rh+]", Sexe::homme}, 2}, {{"[Rh+]", Sexe::femme}, 4}}));

    // The pupil's 1:1: 9 and 9 expected, (11-9)²/9 + (7-9)²/9 = 8/9, p = 0.346.
    Texte erreur;
    const auto h = lit_hypothese("Rh+=1, Rh-=1", erreur);
    ASSERT_TRUE(h) << erreur.francais;
    const Comparaison c = compare_a_l_hypothese(*heterozygotes, *h);
    EXPECT_EQ(c.cases, (std::vector<Texte>{Texte::tel_quel("[Rh+]"), Texte::tel_quel("[Rh-]")}));
    EXPECT_EQ(c.attendus, (std::vector<double>{9, 9}));
    EXPECT_NEAR(c.test.khi2, 8.0 / 9.0, 1e-12);
    EXPECT_NEAR(c.test.p, 0.3458, 5e-5);
    EXPECT_FALSE(c.test.attendu_sous_5);
    // Per sex: sons and daughters one in four each, 4.5 expected: the warning.
    const auto par_sexe =
        lit_hypothese("Rh+/fils=1 Rh+/filles=1 Rh-/sons=1 Rh-/daughters=1", erreur);
    ASSERT_TRUE(par_sexe);
    const Comparaison s = compare_a_l_hypothese(*heterozygotes, *par_sexe);
    EXPECT_EQ(s.test.ddl, 3);
    EXPECT_TRUE(s.test.attendu_sous_5);
    // A phenotype without a sex among ratios per sex counts half for each sex: 4.5 in each cell
    // again, (0.5² + 2.5² + 0.5² + 1.5²) / 4.5 = 2.
    const auto sans_sexe = lit_hypothese("Rh+=2 Rh-/fils=1 Rh-/filles=1", erreur);
    ASSERT_TRUE(sans_sexe);
    const Comparaison m = compare_a_l_hypothese(*heterozygotes, *sans_sexe);
    EXPECT_EQ(m.attendus, (std::vector<double>{4.5, 4.5, 4.5, 4.5}));
    EXPECT_NEAR(m.test.khi2, 2.0, 1e-12);

    // The program's own law: a heterozygous father's children are each cell one in four, 4.5 of
    // 18: (0.5² + 2.5² + 0.5² + 1.5²) / 4.5 = 2 on 3 df, p = 0.5724; the homozygous father's six
    // [Rh+], 3 sons and 3 daughters expected: 1/3 + 1/3 on 1 df, p = 0.4142.
    const auto exactes = tables_croisements(r.familles, loi_des_enfants_du_programme());
    const auto programme = compare_au_programme(*table(exactes, "Rh+,Rh- × Rh-,Rh-"));
    ASSERT_TRUE(programme);
    EXPECT_EQ(programme->attendus, (std::vector<double>{4.5, 4.5, 4.5, 4.5}));
    EXPECT_NEAR(programme->test.khi2, 2.0, 1e-9);
    EXPECT_EQ(programme->test.ddl, 3);
    EXPECT_NEAR(programme->test.p, 0.5724, 5e-5);
    const auto seul = compare_au_programme(*table(exactes, "Rh+,Rh+ × Rh-,Rh-"));
    ASSERT_TRUE(seul);
    EXPECT_NEAR(seul->test.khi2, 2.0 / 3.0, 1e-9);
    EXPECT_NEAR(seul->test.p, 0.4142, 5e-5);
    EXPECT_TRUE(compare_au_programme(*table(exactes, "")));

    // The carrier probabilities shown against the hidden genotypes: whoever is shown 0 carries
    // nothing and whoever is shown 1 is a carrier; all 32 individuals are shown one.
    int individus = 0;
    for (const GroupeCalibration& g : calibration(r.familles, "Facteur rhésus rh+ rh-")) {
        individus += g.individus;
        if (g.probabilite == 0 || g.probabilite == 1) {
            EXPECT_EQ(g.porteurs, g.probabilite * g.individus) << g.fraction;
        }
    }
    EXPECT_EQ(individus, 32);
    EXPECT_TRUE(calibration(r.familles, "Daltonisme d").empty());

    EXPECT_FALSE(lit_hypothese("Rh+=trois", erreur));
    EXPECT_FALSE(lit_hypothese("Rh+/garçons=1", erreur));
    // Ratios whose expected counts would overflow or vanish are refused; the bounds are kept,
    // and a test at both bounds at once still gives a number.
    for (const char* h : {"Rh+=1e308 Rh-=1", "Rh+=1e-320 Rh-=1", "Rh+=inf Rh-=1", "Rh+=nan"})
        EXPECT_FALSE(lit_hypothese(h, erreur)) << h;
    const auto extremes = lit_hypothese("Rh+=1000000 Rh-=0.000001", erreur);
    ASSERT_TRUE(extremes) << erreur.francais;
    const Comparaison e = compare_a_l_hypothese(*heterozygotes, *extremes);
    EXPECT_EQ(e.test.p, 0);
}

// Every file a folder holds is counted or set aside with its reason, whatever stands before it
// in the folder: a pipe, a link to a device, a link that loops, a subfolder that cannot be read
// (which a test run as root reads all the same).
TEST(Statistiques, UnDossierNeTaitAucunFichier) {
    namespace fs = std::filesystem;
    const fs::path d = fs::path(::testing::TempDir()) / "classe_piegee";
    fs::remove_all(d);
    fs::create_directories(d / "b_ferme");
    fs::copy_file(classe + "/famille_a.gen", d / "a.gen");
    fs::copy_file(classe + "/famille_b.gen", d / "b_ferme/b.gen");
    fs::copy_file(classe + "/famille_c.gen", d / "c.gen");
    ASSERT_EQ(::mkfifo((d / "b_tube.gen").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", d / "b_peripherique.gen");
    fs::create_symlink("b_boucle.gen", d / "b_boucle.gen");
    fs::permissions(d / "b_ferme", fs::perms::none);
    const bool ferme = ::access((d / "b_ferme").c_str(), R_OK) != 0;
    Recolteur recolteur;
    const Recolte r = recolteur.fichiers({d.string()});
    fs::permissions(d / "b_ferme", fs::perms::owner_all);
    fs::remove_all(d);

    EXPECT_EQ(r.familles.size(), ferme ? 2u : 3u);
    std::map<std::string, std::string> raisons;
    for (const FichierEcarte& e : r.ecartes)
        raisons[fs::path(e.chemin).filename().string()] = e.raison.francais;
    std::map<std::string, std::string> attendues = {
        {"b_tube.gen", msg::pas_un_fichier_ordinaire.francais},
        {"b_peripherique.gen", msg::pas_un_fichier_ordinaire.francais},
        {"b_boucle.gen", msg::lien_sans_fichier.francais}};
    if (ferme) attendues["b_ferme"] = msg::dossier_illisible.francais;
    EXPECT_EQ(raisons, attendues);
}

// Daughters of the founders married: their children's father is the husband, whom the union
// names second (II-1, individual 3, married II-2, individual 7). In the PED and the CSV every
// father is a man and every mother a woman, the third generation's included.
TEST(Statistiques, LesPeresEtLesMeresDUneFilleMariee) {
    Recolteur recolteur;
    const auto r = recolteur.fichiers({ORVAN_TEST_DATA "/onze_unions.gen"});
    ASSERT_EQ(r.familles.size(), 1u);
    const FamilleReleve& f = r.familles[0];
    struct Lien {
        std::string enfant, pere, mere;
    };
    const auto verifie = [](const std::map<std::string, std::string>& sexes,
                            const std::vector<Lien>& liens, const std::string& homme,
                            const std::string& femme) {
        int enfants = 0;
        for (const Lien& l : liens) {
            if (l.pere.empty() && l.mere.empty()) continue;
            ++enfants;
            EXPECT_EQ(sexes.at(l.pere), homme) << l.enfant;
            EXPECT_EQ(sexes.at(l.mere), femme) << l.enfant;
        }
        return enfants;
    };

    std::map<std::string, std::string> sexes;
    std::vector<Lien> liens;
    std::istringstream ped(ped_de_la_famille(f, 0, "d"));
    for (std::string famille, id, pere, mere, sexe, reste;
         ped >> famille >> id >> pere >> mere >> sexe; std::getline(ped, reste)) {
        sexes[id] = sexe;
        liens.push_back({id, pere == "0" ? "" : pere, mere == "0" ? "" : mere});
    }
    EXPECT_EQ(liens.at(7).pere, "7");
    EXPECT_EQ(liens.at(7).mere, "3");
    const int enfants_ped = verifie(sexes, liens, "1", "2");

    sexes.clear();
    liens.clear();
    std::istringstream csv(csv_des_familles(r.familles));
    std::string ligne;
    std::getline(csv, ligne);
    while (std::getline(csv, ligne)) {
        std::vector<std::string> c;
        std::istringstream champs(ligne);
        for (std::string champ; std::getline(champs, champ, ';');)
            c.push_back(champ);
        ASSERT_GE(c.size(), 7u);
        sexes[c[3]] = c[4];
        liens.push_back({c[3], c[5], c[6]});
    }
    EXPECT_EQ(liens.at(7).pere, "II-2");
    EXPECT_EQ(liens.at(7).mere, "II-1");
    EXPECT_EQ(verifie(sexes, liens, "homme", "femme"), enfants_ped);
}

// One small family as a spreadsheet and as a pedigree program read it; the files were checked
// by hand against the family's dump.
TEST(Statistiques, CsvEtPedDUnePetiteFamille) {
    Recolteur recolteur;
    auto r = recolteur.fichiers({classe + "/famille_c.gen"});
    ASSERT_EQ(r.familles.size(), 1u);
    r.familles[0].source = "famille_c.gen";
    const std::string csv = csv_des_familles(r.familles);
    EXPECT_EQ(csv, contenu(classe + "/famille_c.csv"));
    // Opens as it is: a byte order mark, then as many fields on every row.
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
    std::istringstream lignes(csv.substr(3));
    std::set<long> champs;
    for (std::string l; std::getline(lignes, l);) {
        EXPECT_EQ(l.back(), '\r');
        champs.insert(std::count(l.begin(), l.end(), ';'));
    }
    EXPECT_EQ(champs, std::set<long>{10});
    EXPECT_EQ(ped_de_la_famille(r.familles[0], 0, "Rh-"), contenu(classe + "/famille_c.ped"));
}

// New families take the seeds of their ranks, well apart, and each family is the one its seed
// and the founders' choice rebuild: the CSV's seed is enough to find it again.
TEST(Statistiques, NouvellesFamillesDeGrainesEloignees) {
    std::set<std::uint32_t> graines;
    for (std::uint32_t i = 0; i < 10000; ++i) {
        const std::uint32_t g = graine_de_la_serie(86399999, i);
        EXPECT_FALSE(graines.count(g - 1) || graines.count(g + 1));
        graines.insert(g);
    }
    EXPECT_EQ(graines.size(), 10000u);

    Recolteur recolteur;
    const auto journal = *lit_fichier_gen(classe + "/famille_a.gen");
    const auto lignes = recolteur.lignes_jusqu_aux_fondateurs(journal);
    EXPECT_EQ(lignes, std::vector<std::string>(journal.begin() + 1, journal.end()));
    const Recolte r = recolteur.nouvelles_familles(lignes, 20, 4242);
    ASSERT_EQ(r.familles.size(), 20u);
    std::set<std::string> differentes;
    for (const FamilleReleve& f : r.familles) {
        std::vector<std::string> refait = {"aleat=" + std::to_string(f.graine)};
        refait.insert(refait.end(), lignes.begin(), lignes.end());
        const std::string chemin = ::testing::TempDir() + "/refaite.gen";
        ASSERT_EQ(enregistre_fichier_gen(chemin, refait), Enregistrement::reussi);
        Recolte relue = recolteur.fichiers({chemin});
        ASSERT_EQ(relue.familles.size(), 1u);
        relue.familles[0].source = f.source;
        EXPECT_EQ(csv_des_familles(relue.familles), csv_des_familles({f})) << f.source;
        differentes.insert(csv_des_familles({f}));
    }
    EXPECT_GT(differentes.size(), 10u);
}

// An addition that the user cancels leaves the families pooled before as they were; the same
// addition let run adds all its families.
// One long family is no single step: the platform is asked as its lines replay, and its cancel
// stops the replay at once.
TEST(Statistiques, UneLongueFamilleSeLaisseAnnuler) {
    auto lignes = *lit_fichier_gen(classe + "/famille_a.gen");
    lignes.insert(lignes.end(), 64 * 200, "decal_fratrie(0,1)");
    const std::string chemin = ::testing::TempDir() + "/longue_famille.gen";
    ASSERT_EQ(enregistre_fichier_gen(chemin, lignes), Enregistrement::reussi);
    test::PlateformeTest plateforme;
    FamillesComptees familles(plateforme);
    plateforme.annulation_a_l_appel = 50;
    EXPECT_EQ(familles.ajoute_chemins({chemin}), Ajout::annule);
    EXPECT_EQ(plateforme.appels_progression, 50u);
    plateforme.appels_progression = 0;
    EXPECT_EQ(familles.ajoute_chemins({chemin}), Ajout::fait);
    EXPECT_GE(plateforme.appels_progression, 200u);
    std::remove(chemin.c_str());
}

// The command counts the new families as they come, without keeping them: its CSV is that of
// the same families kept, a saved family's rows first.
TEST(Statistiques, LaCommandeCompteSansGarder) {
    const std::string csv = ::testing::TempDir() + "/nouvelles.csv";
    std::ostringstream sortie, erreurs;
    ASSERT_EQ(commande_statistiques({classe + "/famille_c.gen", "--nouvelles", "20", "--comme",
                                     classe + "/famille_a.gen", "--graine", "4242", "--csv", csv},
                                    sortie, erreurs),
              0)
        << erreurs.str();
    EXPECT_EQ(sortie.str().rfind("Familles comptées : 21 ;", 0), 0u) << sortie.str();
    Recolteur recolteur;
    Recolte gardees = recolteur.fichiers({classe + "/famille_c.gen"});
    const auto lignes =
        recolteur.lignes_jusqu_aux_fondateurs(*lit_fichier_gen(classe + "/famille_a.gen"));
    for (auto& f : recolteur.nouvelles_familles(lignes, 20, 4242).familles)
        gardees.familles.push_back(std::move(f));
    EXPECT_EQ(contenu(csv), csv_des_familles(gardees.familles));
    std::remove(csv.c_str());
}

// The commands take their options strictly, and say when there is nothing to export.
TEST(Statistiques, LesCommandesRefusentCeQuEllesNeLisentPas) {
    const std::string c = classe + "/famille_c.gen";
    const std::string vide = ::testing::TempDir() + "/sans_phenotypes.gen";
    ASSERT_EQ(enregistre_fichier_gen(
                  vide, {"aleat=5", "bitbtn4click", "group_premclick.0", "bitbtn1click"}),
              Enregistrement::reussi);
    struct Cas {
        std::vector<std::string> arguments;
        int code;
    };
    for (const Cas& cas : {Cas{{c, "--bogus", "1"}, 2}, Cas{{c, "--gene", "3"}, 2},
                           Cas{{c, "--gene"}, 2}, Cas{{c, "--atteint"}, 2},
                           Cas{{c, "--gene", "1", "--atteint", "Rh-"}, 0}, Cas{{vide}, 1}}) {
        std::ostringstream sortie, erreurs;
        EXPECT_EQ(commande_ped(cas.arguments, sortie, erreurs), cas.code) << cas.arguments.back();
        EXPECT_EQ(sortie.str().empty(), cas.code != 0) << cas.arguments.back();
        EXPECT_EQ(erreurs.str().empty(), cas.code == 0) << erreurs.str();
    }
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(commande_statistiques({c, "--nouvelles", "1", "--comme", c, "--graine", "4294967296"},
                                    sortie, erreurs),
              2);
    EXPECT_NE(erreurs.str().find("« 4294967296 »"), std::string::npos) << erreurs.str();
    std::remove(vide.c_str());
}

TEST(Statistiques, UnAjoutAnnuleNeChangeRien) {
    test::PlateformeTest plateforme;
    FamillesComptees familles(plateforme);
    ASSERT_EQ(familles.ajoute_chemins({classe}), Ajout::fait);
    const auto journal = *lit_fichier_gen(classe + "/famille_a.gen");
    plateforme.annulation_a = 64;
    EXPECT_EQ(familles.ajoute_nouvelles_familles(journal, 200), Ajout::annule);
    EXPECT_EQ(familles.recolte().familles.size(), 4u);
    EXPECT_EQ(familles.tables().front().nb_unions, 4);
    ASSERT_EQ(plateforme.progressions.size(), 2u);
    EXPECT_EQ(plateforme.progressions.back().annuler, "Annuler");
    EXPECT_EQ(plateforme.progressions_terminees, 2);
    EXPECT_EQ(familles.ajoute_nouvelles_familles(journal, 200), Ajout::fait);
    EXPECT_EQ(familles.recolte().familles.size(), 204u);
    EXPECT_EQ(familles.tables().front().nb_unions, 204);
    EXPECT_EQ(familles.ajoute_nouvelles_familles({}, 10), Ajout::sans_fondateurs);
}
