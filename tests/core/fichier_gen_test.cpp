// Reading and saving .gen files when the file, the disk or the folder misbehave.
#include "app/vidage.h"
#include "ground/texte.h"
#include "history/ecriture_sur_place.h"
#include "history/enregistrement_gen.h"
#include "history/fichier_gen.h"

#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sstream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace orvan;
namespace fs = std::filesystem;
using Lignes = std::vector<std::string>;

namespace {

struct Dossier {
    fs::path chemin;
    Dossier() {
        chemin = fs::temp_directory_path() /
                 ("orvan_gen_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(chemin);
    }
    ~Dossier() {
        std::error_code ec;
        fs::remove_all(chemin, ec);
    }
    std::string operator/(const std::string& nom) const { return (chemin / nom).string(); }
    long nb_entrees() const {
        return std::distance(fs::directory_iterator(chemin), fs::directory_iterator());
    }
};

std::string contenu(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void ecrit(const std::string& chemin, const std::string& octets) {
    std::ofstream(chemin, std::ios::binary) << octets;
}

mode_t mode_de(const std::string& chemin) {
    struct stat etat {};
    ::stat(chemin.c_str(), &etat);
    return etat.st_mode & 07777;
}

// Runs f in a child process stopped after a few seconds: its exit code, or -1 when it was
// killed (a read that never ends, a signal that ends the process).
int dans_un_fils(const std::function<int()>& f) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(10);
        ::_exit(f());
    }
    int statut = 0;
    ::waitpid(pid, &statut, 0);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

} // namespace

TEST(LectureGen, UnFichierIllisibleEstUnEchecAvecSonMessage) {
    Dossier d;
    for (const std::string& chemin : {std::string("/proc/self/mem"), d.chemin.string(), d / "x"}) {
        const auto lecture = lit_fichier_gen(chemin);
        EXPECT_FALSE(lecture) << chemin;
        EXPECT_EQ(lecture.erreur.francais, "Impossible d'ouvrir le fichier " + chemin);
    }
}

TEST(LectureGen, LaLectureSArreteAuPremierNul) {
    Dossier d;
    ecrit(d / "nul.gen", std::string("aleat=1\r\nbitbtn4click\0bitbtn5click\r\n", 34));
    EXPECT_EQ(lit_fichier_gen(d / "nul.gen"), (Lignes{"aleat=1", "bitbtn4click"}));

    EXPECT_EQ(dans_un_fils([] { return lit_fichier_gen("/dev/zero") == Lignes{} ? 0 : 1; }), 0);

    // A pipe whose writer stays open: what follows the NUL is never waited for.
    ASSERT_EQ(::mkfifo((d / "tube").c_str(), 0600), 0);
    EXPECT_EQ(dans_un_fils([&] { return lit_fichier_gen(d / "tube") == Lignes{} ? 0 : 1; }), 0);
    const int ecrivain = ::open((d / "tube").c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(ecrivain, 0);
    ASSERT_EQ(::write(ecrivain, "ab\0cd", 5), 5);
    EXPECT_EQ(dans_un_fils([&] { return lit_fichier_gen(d / "tube") == Lignes{"ab"} ? 0 : 1; }), 0);
    // Once it is empty, a writer that stays idle gets a message, not a window that waits.
    const auto muet = lit_fichier_gen(d / "tube");
    EXPECT_EQ(muet.erreur.francais,
              "Le fichier " + (d / "tube") +
                  " n'est pas un fichier ordinaire et il ne donne rien à lire : il "
                  "n'a pas été ouvert.");
    ::close(ecrivain);
}

TEST(LectureGen, AuDelaDeSeizeMioLeFichierEstRefuse) {
    Dossier d;
    ecrit(d / "juste.gen", std::string(16 * 1024 * 1024, 'a'));
    const auto juste = lit_fichier_gen(d / "juste.gen");
    ASSERT_TRUE(juste);
    ASSERT_EQ(juste.lignes.size(), 1u);
    EXPECT_EQ(juste.lignes[0].size(), 16u * 1024 * 1024);

    ecrit(d / "trop.gen", std::string(16 * 1024 * 1024 + 1, 'a'));
    const auto trop = lit_fichier_gen(d / "trop.gen");
    EXPECT_FALSE(trop);
    EXPECT_EQ(trop.erreur.francais,
              "Le fichier " + (d / "trop.gen") + " est trop volumineux pour être ouvert.");
}

// What a save writes reads back: a log of 16 Mio with one byte at each line's end is written
// with CR LF, and opens again the same; one byte more is not written at all.
TEST(EnregistrementGen, UnJournalAuPlafondSeRelitTelQuel) {
    Dossier d;
    const std::string ligne = "decal_fratrie(1,-2)"; // 20 bytes with its end
    Lignes journal(16 * 1024 * 1024 / 20, ligne);
    journal.back().append(16 * 1024 * 1024 % 20, '0');
    ASSERT_EQ(enregistre_fichier_gen(d / "plein.gen", journal), Enregistrement::reussi);
    EXPECT_EQ(fs::file_size(d / "plein.gen"), 16u * 1024 * 1024 + journal.size());
    EXPECT_EQ(lit_fichier_gen(d / "plein.gen"), journal);

    journal.back() += "0";
    const auto r = enregistre_fichier_gen(d / "plein.gen", journal);
    EXPECT_EQ(r, Enregistrement::trop_volumineux);
    EXPECT_EQ(message_enregistrement(r, "plein.gen").francais,
              "La famille est trop longue pour être rouverte une fois enregistrée (plus de 16 "
              "Mio) : le fichier plein.gen n'a pas été écrit.");
    EXPECT_EQ(fs::file_size(d / "plein.gen"), 16u * 1024 * 1024 + journal.size());
}

TEST(LectureGen, LesLignesVidesNeFontPasExploserLaMemoire) {
    Dossier d;
    // 1 Mio of empty lines: a million strings of 32 bytes, far past 20 bytes a byte.
    ecrit(d / "vides.gen", std::string(1024 * 1024, '\n'));
    const auto vides = lit_fichier_gen(d / "vides.gen");
    EXPECT_FALSE(vides);
    EXPECT_EQ(vides.erreur.francais,
              "Le fichier " + (d / "vides.gen") +
                  " compte trop de lignes vides ou très courtes (1048576) pour être "
                  "ouvert.");
    // A log of 76 Kio of empty lines is a log all the same.
    ecrit(d / "quelques.gen", std::string(76 * 1024, '\n'));
    const auto quelques = lit_fichier_gen(d / "quelques.gen");
    ASSERT_TRUE(quelques);
    EXPECT_EQ(quelques.lignes.size(), 76u * 1024);

    std::string courtes;
    for (int i = 0; i < 512 * 1024; ++i)
        courtes += "a\n";
    ecrit(d / "courtes.gen", courtes);
    const auto lecture = lit_fichier_gen(d / "courtes.gen");
    ASSERT_TRUE(lecture);
    EXPECT_EQ(lecture.lignes.size(), 512u * 1024);

    ecrit(d / "trois.gen", "\n\n\n");
    EXPECT_EQ(lit_fichier_gen(d / "trois.gen"), (Lignes{"", "", ""}));
}

#if !defined(__SANITIZE_ADDRESS__)
// The sanitizer's own memory would hide what the reading takes.
namespace {

long ligne_de_statut_kio(const std::string& cle) {
    std::ifstream f("/proc/self/status");
    for (std::string l; std::getline(f, l);)
        if (l.rfind(cle + ":", 0) == 0) return std::stol(l.substr(cle.size() + 1));
    return -1;
}

} // namespace

TEST(LectureGen, LaMemoireResteSousVingtFoisLaTaille) {
    Dossier d;
    std::string lignes;
    for (int i = 0; i < 2 * 1024 * 1024; ++i)
        lignes += "a\n";
    ecrit(d / "lignes.gen", lignes);
    const long taille_kio = 4 * 1024;
    const int code = dans_un_fils([&] {
        std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
        const long avant = ligne_de_statut_kio("VmRSS");
        const auto lecture = lit_fichier_gen(d / "lignes.gen");
        if (!lecture || lecture.lignes.size() != 2u * 1024 * 1024) return 2;
        return ligne_de_statut_kio("VmHWM") - avant <= 20 * taille_kio ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
}
#endif

TEST(EnregistrementGen, UnLienPoseSurLAncienNomTemporaireEstSansEffet) {
    Dossier d;
    ecrit(d / "famille.gen", "aleat=1\r\n");
    ecrit(d / "victime.txt", "intact");
    fs::create_symlink(d / "victime.txt", d / ("famille.gen.tmp" + std::to_string(::getpid())));
    const auto resultat = enregistre_fichier_gen(d / "famille.gen", {"aleat=2"});
    ASSERT_EQ(resultat, Enregistrement::reussi);
    EXPECT_EQ(message_enregistrement(resultat, d / "famille.gen").francais, "");
    EXPECT_EQ(contenu(d / "victime.txt"), "intact");
    EXPECT_EQ(contenu(d / "famille.gen"), "aleat=2\r\n");
    EXPECT_FALSE(fs::is_symlink(d / "famille.gen"));
}

TEST(EnregistrementGen, LeFichierGardeSesDroitsEtSonProprietaire) {
    Dossier d;
    for (const mode_t mode : {0600, 0640, 0644}) {
        const std::string chemin = d / ("droits" + std::to_string(mode) + ".gen");
        ecrit(chemin, "aleat=1\r\n");
        ::chmod(chemin.c_str(), mode);
        ASSERT_EQ(enregistre_fichier_gen(chemin, {"aleat=2"}), Enregistrement::reussi);
        EXPECT_EQ(mode_de(chemin), mode);
    }
    const mode_t masque = ::umask(027);
    EXPECT_EQ(enregistre_fichier_gen(d / "neuf.gen", {"aleat=3"}), Enregistrement::reussi);
    ::umask(masque);
    EXPECT_EQ(mode_de(d / "neuf.gen"), 0640u);

    if (::geteuid() == 0) {
        ecrit(d / "autrui.gen", "aleat=1\r\n");
        ASSERT_EQ(::chown((d / "autrui.gen").c_str(), 1234, 5678), 0);
        ASSERT_EQ(enregistre_fichier_gen(d / "autrui.gen", {"aleat=2"}), Enregistrement::reussi);
        struct stat etat {};
        ::stat((d / "autrui.gen").c_str(), &etat);
        EXPECT_EQ(etat.st_uid, 1234u);
        EXPECT_EQ(etat.st_gid, 5678u);
    }
}

TEST(EnregistrementGen, UnLienSymboliqueResteUnLienEtLeFichierViseEstEcrit) {
    Dossier d;
    fs::create_directory(d / "sous");
    ecrit(d / "sous/vrai.gen", "aleat=1\r\n");
    ::chmod((d / "sous/vrai.gen").c_str(), 0640);
    fs::create_symlink("sous/vrai.gen", d / "lien.gen");
    fs::create_symlink(d / "lien.gen", d / "lien_du_lien.gen");
    ASSERT_EQ(enregistre_fichier_gen(d / "lien_du_lien.gen", {"aleat=2"}), Enregistrement::reussi);
    EXPECT_EQ(contenu(d / "sous/vrai.gen"), "aleat=2\r\n");
    EXPECT_EQ(mode_de(d / "sous/vrai.gen"), 0640u);
    EXPECT_EQ(fs::read_symlink(d / "lien.gen"), "sous/vrai.gen");
    EXPECT_EQ(fs::read_symlink(d / "lien_du_lien.gen"), d / "lien.gen");

    // A link to a file not yet there creates the file it names.
    fs::create_symlink("nouveau.gen", d / "pendant.gen");
    ASSERT_EQ(enregistre_fichier_gen(d / "pendant.gen", {"aleat=3"}), Enregistrement::reussi);
    EXPECT_TRUE(fs::is_symlink(d / "pendant.gen"));
    EXPECT_EQ(contenu(d / "nouveau.gen"), "aleat=3\r\n");
}

// In a shared sticky folder, a link that another user placed is not followed; ours is, and so
// is the folder owner's.
TEST(EnregistrementGen, UnLienDAutruiDansUnDossierPartageNEstPasSuivi) {
    Dossier d;
    if (::geteuid() != 0) GTEST_SKIP() << "seul le super-utilisateur donne un lien à autrui";
    fs::create_directory(d / "partage");
    ::chmod((d / "partage").c_str(), 01777);
    ecrit(d / "victime.gen", "intact");
    struct Cas {
        std::string lien;
        uid_t proprietaire;
        Enregistrement attendu;
    };
    for (const Cas& c : {Cas{"partage/piege.gen", 65534, Enregistrement::lien_d_autrui},
                         Cas{"partage/mien.gen", ::geteuid(), Enregistrement::reussi}}) {
        fs::create_symlink(d / "victime.gen", d / c.lien);
        ASSERT_EQ(::lchown((d / c.lien).c_str(), c.proprietaire, c.proprietaire), 0);
        EXPECT_EQ(enregistre_fichier_gen(d / c.lien, {"aleat=2"}), c.attendu) << c.lien;
        EXPECT_EQ(contenu(d / "victime.gen"),
                  c.attendu == Enregistrement::reussi ? "aleat=2\r\n" : "intact");
        EXPECT_TRUE(fs::is_symlink(d / c.lien));
    }
    EXPECT_EQ(message_enregistrement(Enregistrement::lien_d_autrui, "piege.gen").francais,
              "Le fichier piege.gen est un lien qu'un autre utilisateur a placé dans un dossier "
              "partagé : il n'a pas été suivi et rien n'a été écrit.");
}

TEST(EnregistrementGen, UnFichierEnLectureSeuleEstLaisseTelQuel) {
    Dossier d;
    // Mode 0400 is refused even for the super-user, who could write it.
    ecrit(d / "protege.gen", "aleat=1\r\n");
    ::chmod((d / "protege.gen").c_str(), 0400);
    const auto resultat = enregistre_fichier_gen(d / "protege.gen", {"aleat=2"});
    EXPECT_EQ(resultat, Enregistrement::lecture_seule);
    EXPECT_EQ(message_enregistrement(resultat, d / "protege.gen").francais,
              "Le fichier " + (d / "protege.gen") +
                  " est en lecture seule : il n'a pas été remplacé.");
    EXPECT_EQ(contenu(d / "protege.gen"), "aleat=1\r\n");
    EXPECT_EQ(mode_de(d / "protege.gen"), 0400u);
    EXPECT_EQ(d.nb_entrees(), 1);

    // Neither is a pipe replaced by a plain file.
    ASSERT_EQ(::mkfifo((d / "tube.gen").c_str(), 0600), 0);
    const auto tube = enregistre_fichier_gen(d / "tube.gen", {"aleat=2"});
    EXPECT_EQ(tube, Enregistrement::creation_impossible);
    EXPECT_EQ(message_enregistrement(tube, d / "tube.gen").francais,
              "Impossible de créer le fichier " + (d / "tube.gen"));
    EXPECT_TRUE(fs::is_fifo(d / "tube.gen"));
}

TEST(EnregistrementGen, UneLimiteDeTailleDonneUneErreurSansResteTemporaire) {
    Dossier d;
    ecrit(d / "bon.gen", "aleat=1\r\n");
    const Lignes longues(100, std::string(100, 'z'));
    const int code = dans_un_fils([&] {
        std::signal(SIGXFSZ, SIG_IGN); // as the program's start does
        const rlimit petite{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &petite);
        return static_cast<int>(enregistre_fichier_gen(d / "bon.gen", longues));
    });
    EXPECT_EQ(code, static_cast<int>(Enregistrement::erreur_ecriture));
    EXPECT_EQ(message_enregistrement(Enregistrement::erreur_ecriture, d / "bon.gen").francais,
              "Erreur d'écriture dans le flux");
    EXPECT_EQ(contenu(d / "bon.gen"), "aleat=1\r\n");
    EXPECT_EQ(d.nb_entrees(), 1);
}

// On a full disk, beside the old file as over it in place (a second name), the save says the
// disk is full and the old file stays whole. The disk is a small file system of the child's own.
TEST(EnregistrementGen, UnDisquePleinLaisseLAncienFichier) {
    Dossier d;
    const Lignes longues(1000, std::string(100, 'z'));
    const int code = dans_un_fils([&] {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", d.chemin.c_str(), "tmpfs", 0, "size=64k") != 0)
            return 100;
        ecrit(d / "seul.gen", "aleat=1\r\n");
        ecrit(d / "lie.gen", "aleat=1\r\n");
        if (::link((d / "lie.gen").c_str(), (d / "autre_nom.gen").c_str()) != 0) return 101;
        for (const char* nom : {"seul.gen", "lie.gen"})
            if (enregistre_fichier_gen(d / nom, longues) != Enregistrement::disque_plein ||
                contenu(d / nom) != "aleat=1\r\n")
                return 1;
        return d.nb_entrees() == 3 ? 0 : 2;
    });
    if (code == 100) GTEST_SKIP() << "pas de système de fichiers à soi ici";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(message_enregistrement(Enregistrement::disque_plein, "f.gen").francais,
              "Le disque est plein : la famille n'a pas été enregistrée, et le fichier f.gen est "
              "resté tel qu'il était.");
}

TEST(EnregistrementGen, UnFichierAUnAutreNomEstEcritSurPlaceEtRetablitSiLEcritureEchoue) {
    Dossier d;
    ecrit(d / "a.gen", "old\r\n");
    ASSERT_EQ(::link((d / "a.gen").c_str(), (d / "b.gen").c_str()), 0);
    ASSERT_EQ(enregistre_fichier_gen(d / "a.gen", {"aleat=2"}), Enregistrement::reussi);
    EXPECT_EQ(contenu(d / "b.gen"), "aleat=2\r\n");
    EXPECT_EQ(fs::hard_link_count(d / "a.gen"), 2u);

    // Past the limit on file sizes, the old content comes back under both names.
    const Lignes longues(100, std::string(100, 'z'));
    const int code = dans_un_fils([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit petite{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &petite);
        return static_cast<int>(enregistre_fichier_gen(d / "a.gen", longues));
    });
    EXPECT_EQ(code, static_cast<int>(Enregistrement::erreur_ecriture));
    EXPECT_EQ(contenu(d / "b.gen"), "aleat=2\r\n");
    EXPECT_EQ(d.nb_entrees(), 2);
}

// A save written in place (the file has a second name), killed after each of its steps: the
// file reads as the old log or as the new one, never as a mix; when the new log does not begin
// with the old one, as empty too (the recovery copy then keeps the family).
TEST(EnregistrementGen, UneEcritureSurPlaceTueeNeMelangeRien) {
    Dossier d;
    const Lignes ancien = {"aleat=1", "bitbtn4click", "group_premclick.0", "bitbtn1click"};
    Lignes suite = ancien;
    suite.insert(suite.end(), {"choix_all(1,left)", "prem_alleleclick.0", "all_okclick"});
    const Lignes autre = {"aleat=2", "bitbtn4click"};
    static int arret = 0;
    for (const Lignes& nouveau : {suite, autre})
        for (arret = 0; arret <= 5; ++arret) {
            std::error_code ec;
            fs::remove(d / "b.gen", ec);
            ASSERT_EQ(enregistre_fichier_gen(d / "a.gen", ancien), Enregistrement::reussi);
            ASSERT_EQ(::link((d / "a.gen").c_str(), (d / "b.gen").c_str()), 0);
            const int code = dans_un_fils([&] {
                apres_etape_sur_place = [](int etape) {
                    if (etape == arret) ::_exit(99);
                };
                return static_cast<int>(enregistre_fichier_gen(d / "a.gen", nouveau));
            });
            const Lignes lu = *lit_fichier_gen(d / "b.gen");
            const bool vide_permis = nouveau == autre && code == 99;
            EXPECT_TRUE(lu == ancien || lu == nouveau || (vide_permis && lu.empty()))
                << "arrêt après l'étape " << arret << " : " << lu.size() << " lignes";
            if (code != 99) {
                EXPECT_EQ(lu, nouveau) << arret;
            }
        }
}

TEST(EnregistrementGen, LesAttributsEtendusSuiventLeFichier) {
    Dossier d;
    ecrit(d / "note.gen", "aleat=1\r\n");
    if (::setxattr((d / "note.gen").c_str(), "user.classe", "4B", 2, 0) != 0)
        GTEST_SKIP() << "pas d'attributs étendus ici";
    ASSERT_EQ(enregistre_fichier_gen(d / "note.gen", {"aleat=2"}), Enregistrement::reussi);
    char valeur[8] = {};
    EXPECT_EQ(::getxattr((d / "note.gen").c_str(), "user.classe", valeur, sizeof valeur), 2);
    EXPECT_STREQ(valeur, "4B");
    EXPECT_EQ(contenu(d / "note.gen"), "aleat=2\r\n");
}

// As a pupil who owns neither the folder nor the file: a folder of the class that the teacher
// made read-only, and a file of the teacher's, writable by all, in a shared sticky folder.
TEST(EnregistrementGen, UnElevePeutEcrireLeFichierQuIlNePeutRemplacer) {
    Dossier d;
    const uid_t eleve = ::geteuid() == 0 ? 65534 : ::geteuid();
    struct Cas {
        std::string dossier;
        mode_t mode_dossier;
    };
    for (const Cas& c : {Cas{"classe", 0555}, Cas{"partage", 01777}}) {
        const std::string chemin = d / (c.dossier + "/famille.gen");
        fs::create_directory(d / c.dossier);
        ecrit(chemin, "aleat=1\r\n");
        ::chmod(chemin.c_str(), 0666);
        ::chmod((d / c.dossier).c_str(), c.mode_dossier);
        ::chmod(d.chemin.c_str(), 0755);
        struct stat avant {};
        ::stat(chemin.c_str(), &avant);
        const int code = dans_un_fils([&] {
            if (::geteuid() == 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(eleve) != 0 || ::setuid(eleve) != 0))
                return 100;
            return static_cast<int>(enregistre_fichier_gen(chemin, {"aleat=2"}));
        });
        if (code == 100) GTEST_SKIP() << "impossible de devenir un autre utilisateur";
        EXPECT_EQ(code, static_cast<int>(Enregistrement::reussi)) << c.dossier;
        EXPECT_EQ(contenu(chemin), "aleat=2\r\n") << c.dossier;
        struct stat apres {};
        ::stat(chemin.c_str(), &apres);
        EXPECT_EQ(apres.st_uid, avant.st_uid) << c.dossier;
        EXPECT_EQ(apres.st_ino, avant.st_ino) << c.dossier;
        ::chmod((d / c.dossier).c_str(), 0755);
    }
}

TEST(EnregistrementGen, LesTemporairesAbandonnesSontRetires) {
    Dossier d;
    const auto date = [&](const std::string& nom, long decalage_s) {
        ecrit(d / nom, "aleat=");
        const timespec t[2] = {{std::time(nullptr) + decalage_s, 0},
                               {std::time(nullptr) + decalage_s, 0}};
        ::utimensat(AT_FDCWD, (d / nom).c_str(), t, 0);
    };
    date(".orvan-Ab12Cd", -3600);    // left by a save killed an hour ago
    date(".orvan-Ef34Gh", 3600);     // a save that may be running now
    date(".orvan-court", -3600);     // not a name we give
    date("orvan-Ij56Kl.gen", -3600); // a file of the user's
    ASSERT_EQ(enregistre_fichier_gen(d / "famille.gen", {"aleat=2"}), Enregistrement::reussi);
    EXPECT_FALSE(fs::exists(d / ".orvan-Ab12Cd"));
    for (const char* reste : {".orvan-Ef34Gh", ".orvan-court", "orvan-Ij56Kl.gen", "famille.gen"})
        EXPECT_TRUE(fs::exists(d / reste)) << reste;
}

TEST(EncodageGen, LeTexteReluEstLeTexteEnregistre) {
    // "Ã©" in single bytes would be C3 A9, valid UTF-8 for "é": it is written in UTF-8.
    EXPECT_EQ(texte_des_lignes({"Ã©"}), "\xC3\x83\xC2\xA9\r\n");
    Dossier d;
    ASSERT_EQ(enregistre_fichier_gen(d / "a.gen", {"Ã©", "aleat=1"}), Enregistrement::reussi);
    EXPECT_EQ(lit_fichier_gen(d / "a.gen"), (Lignes{"Ã©", "aleat=1"}));

    // Every text of one or two single bytes, one line, comes back as it was.
    for (int a = 1; a < 256; ++a)
        for (int b = 0; b < 256; ++b) {
            if (a == '\r' || a == '\n' || b == '\r' || b == '\n') continue;
            std::string octets(1, static_cast<char>(a));
            if (b != 0) octets += static_cast<char>(b);
            const Lignes lignes = {cp1252_vers_utf8(octets)};
            ASSERT_EQ(lignes_du_texte(texte_des_lignes(lignes)), lignes) << a << ' ' << b;
        }

    Lignes toutes;
    for (int c = 1; c < 256; ++c)
        if (c != '\r' && c != '\n') toutes.push_back(cp1252_vers_utf8(std::string(1, char(c))));
    ASSERT_EQ(enregistre_fichier_gen(d / "toutes.gen", toutes), Enregistrement::reussi);
    EXPECT_EQ(lit_fichier_gen(d / "toutes.gen"), toutes);
}

TEST(VidageGen, UnFichierRefuseDonneSonMessageEtLeCodeUn) {
    Dossier d;
    ecrit(d / "vides.gen", std::string(1024 * 1024, '\n'));
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(vidage(d / "vides.gen", sortie, erreurs), 1);
    EXPECT_EQ(erreurs.str(), "Le fichier " + (d / "vides.gen") +
                                 " compte trop de lignes vides ou très courtes (1048576) pour "
                                 "être ouvert.\n");
    EXPECT_EQ(sortie.str(), "");
}
