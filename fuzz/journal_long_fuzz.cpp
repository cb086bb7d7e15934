// Long logs made of a few lines said again and again: the set-up, its reset, the confirmation,
// founders' phenotypes, sibship shifts, genotype choices. Each pair of input bytes names a line
// and how many times it follows. Replaying must cost a time in proportion to the log's length:
// a replay slower than a fixed time per byte stops the run, as a quadratic path would.
#include "fenetre_fuzz.h"

#include <array>
#include <cstdlib>
#include <ctime>

using namespace orvan;

namespace {

constexpr std::array<const char*, 20> lignes_connues = {
    "bitbtn1click",        "bitbtn4click",      "bitbtn5click",      "group_premclick.0",
    "group_secclick.1",    "choix_all(1,left)", "choix_all(2,left)", "prem_alleleclick.0",
    "sec_alleleclick.1",   "all_okclick",       "nb_desc=1",         "decal_fratrie(0,12)",
    "choix_genotype(1,2)", "menu_genoclick",    "menu_phenoclick",   "bitbtn8click",
    "bitbtn6click",        "bitbtn7click",      "all_annulclick",    ""};

// Long enough to show a cost that grows faster than the log, short enough for the fuzzer.
constexpr std::size_t taille_max = 32 * 1024;
// What one byte of log may cost, on the processor, in the instrumented build; and the start.
constexpr double secondes_par_octet = 40e-6;
constexpr double secondes_de_base = 0.2;

double temps_processeur() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::vector<std::string> journal_des_octets(const std::uint8_t* donnees, std::size_t taille,
                                            std::size_t& octets) {
    std::vector<std::string> lignes = {"aleat=1"};
    octets = 9;
    for (std::size_t i = 0; i + 1 < taille && octets < taille_max; i += 2) {
        const std::string ligne = lignes_connues[donnees[i] % lignes_connues.size()];
        for (int n = 0; n <= donnees[i + 1] * 8 && octets < taille_max; ++n) {
            lignes.push_back(ligne);
            octets += ligne.size() + 2;
        }
    }
    return lignes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    fuzz::FenetreFuzz fenetre;
    FenetrePrincipale& f = fenetre.f;
    std::size_t octets = 0;
    f.journal.lignes() = journal_des_octets(donnees, taille, octets);
    const double debut = temps_processeur();
    f.historique.rejoue_journal();
    const double duree = temps_processeur() - debut;
    if (duree > secondes_de_base + secondes_par_octet * static_cast<double>(octets)) std::abort();
    return 0;
}
