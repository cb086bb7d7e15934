// Long logs made of a few lines said again and again, up to the 16 MiB a family's file may hold:
// the set-up, its reset, the confirmation, founders' phenotypes, sibship shifts, genotype
// choices. The first input byte says whether a line stands before the seed, which undo follows
// the replay and whether the log is pooled as a class's file; then each pair of bytes names a
// line and how many times it follows (nombre_de_fois). Replaying, undoing, pooling and dumping must
// each cost a processor time and a memory in proportion to the log's length: a slower or larger run
// stops the fuzzer, as a quadratic path would. Time is the processor's, not the clock's, so that a
// busy machine does not stop a run that a quiet one lets pass.
#include "app/recolte.h"
#include "app/vidage.h"
#include "fenetre_fuzz.h"
#include "history/fichier_gen.h"
#include "ground/texte.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace orvan;

namespace {

constexpr std::array<const char*, 20> lignes_connues = {
    "bitbtn1click",        "bitbtn4click",      "bitbtn5click",      "group_premclick.0",
    "group_secclick.1",    "choix_all(1,left)", "choix_all(2,left)", "prem_alleleclick.0",
    "sec_alleleclick.1",   "all_okclick",       "nb_desc=1",         "decal_fratrie(0,12)",
    "choix_genotype(1,2)", "menu_genoclick",    "menu_phenoclick",   "bitbtn8click",
    "bitbtn6click",        "bitbtn7click",      "all_annulclick",    ""};

// What one byte of log may cost, on the processor, in the instrumented build, for each pass
// over the log (a replay, an undo, a pooling, a dump); and the start.
constexpr double secondes_par_octet = 40e-6;
constexpr double secondes_de_base = 0.2;
// What one byte of log may add to the process's peak memory, and a margin.
constexpr long memoire_par_octet = 64;
constexpr long kio_de_base = 256 * 1024;

double temps_processeur() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

long memoire_max_kio() {
    rusage r{};
    ::getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

struct Choix {
    bool ligne_avant_la_graine, annule, annule_et_retablit, en_classe;
};

// A pair's count is its byte, up to 247; the last eight values give 2^10 to 2^24 lines, up to
// the limit: most logs stay short and quick, a few are as long as a file may be. A button or a
// confirmation reruns a set-up or a crossing, a thousand draws or more: those stay under 2048
// in a row, or one log would keep the fuzzer for minutes.
std::size_t nombre_de_fois(const std::string& ligne, std::uint8_t octet) {
    const std::size_t n = octet < 0xF8 ? octet + 1u : std::size_t{1} << (10 + 2 * (octet - 0xF8));
    const bool couteuse = ligne.starts_with("bitbtn") || ligne == "all_okclick";
    return couteuse ? std::min<std::size_t>(n, 2048) : n;
}

std::vector<std::string> journal_des_octets(const std::uint8_t* donnees, std::size_t taille,
                                            const Choix& c, std::size_t& octets) {
    std::vector<std::string> lignes;
    if (c.ligne_avant_la_graine) lignes.push_back("ligne d'avant");
    lignes.push_back("aleat=1");
    for (const auto& l : lignes)
        octets += l.size() + 2;
    for (std::size_t i = 1; i + 1 < taille && octets < taille_max_fichier_gen; i += 2) {
        const std::string ligne = lignes_connues[donnees[i] % lignes_connues.size()];
        const std::size_t fois = nombre_de_fois(ligne, donnees[i + 1]);
        for (std::size_t n = 0; n < fois && octets < taille_max_fichier_gen; ++n) {
            lignes.push_back(ligne);
            octets += ligne.size() + 2;
        }
    }
    return lignes;
}

// The log as a file that only this process sees, named by its descriptor.
class FichierEnMemoire {
  public:
    explicit FichierEnMemoire(const std::vector<std::string>& lignes)
        : fd_(::memfd_create("journal", 0)) {
        const std::string texte = texte_des_lignes(lignes);
        if (fd_ < 0 ||
            ::write(fd_, texte.data(), texte.size()) != static_cast<ssize_t>(texte.size()))
            std::abort();
    }
    ~FichierEnMemoire() { ::close(fd_); }
    std::string chemin() const { return "/proc/self/fd/" + std::to_string(fd_); }

  private:
    int fd_;
};

void borne(double debut, std::size_t octets, int passes) {
    const double duree = temps_processeur() - debut;
    if (duree > passes * (secondes_de_base + secondes_par_octet * static_cast<double>(octets)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille == 0) return 0;
    const Choix c{(donnees[0] & 1) != 0, (donnees[0] & 2) != 0, (donnees[0] & 4) != 0,
                  (donnees[0] & 8) != 0};
    const long memoire_avant = memoire_max_kio();
    std::size_t octets = 0;
    const auto lignes = journal_des_octets(donnees, taille, c, octets);
    {
        fuzz::FenetreFuzz fenetre;
        FenetrePrincipale& f = fenetre.f;
        f.journal.lignes() = lignes;
        double debut = temps_processeur();
        f.historique.rejoue_journal();
        borne(debut, octets, 1);
        // A log without a reset after its seed is undone a line at a time, by design: each
        // replay builds on the family the one before left.
        if (f.journal.contient_mise_en_place(f.journal.lignes().size())) {
            debut = temps_processeur();
            if (c.annule) f.historique.annule_derniere_action();
            if (c.annule_et_retablit) {
                f.historique.annule_action();
                f.historique.retablit_action();
            }
            borne(debut, octets, 3);
        }
    }
    const FichierEnMemoire fichier(lignes);
    double debut = temps_processeur();
    if (c.en_classe) {
        Recolteur recolteur;
        recolteur.fichiers({fichier.chemin()});
        borne(debut, octets, 1);
    }
    debut = temps_processeur();
    std::ostringstream sortie, erreurs;
    vidage(fichier.chemin(), sortie, erreurs);
    borne(debut, octets, 1);
    const long croissance = memoire_max_kio() - memoire_avant;
    if (croissance > kio_de_base + memoire_par_octet * static_cast<long>(octets) / 1024)
        std::abort();
    return 0;
}
