#include "history/fichier_gen.h"

#include "ground/messages.h"
#include "ground/texte.h"
#include "history/descripteur.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace orvan {

namespace {

constexpr std::size_t morceau = 64 * 1024;
constexpr std::size_t memoire_par_octet = 20;
constexpr std::size_t memoire_de_base = 8 * 1024 * 1024;

// The memory that cutting the text takes at its peak: the text, one string per line, and the
// heap block (with the allocator's header) of every line too long to sit inside its string.
std::size_t memoire_des_lignes(const std::string& texte) {
    const std::size_t en_place = std::string().capacity();
    std::size_t total = texte.capacity();
    pour_chaque_ligne(texte, [&](std::size_t, std::size_t n) {
        total += sizeof(std::string);
        if (n > en_place) total += n + 1 + 2 * sizeof(void*);
    });
    return total;
}

enum class Lecture { complete, erreur, trop_longue, muette };

// What a pipe or a device may keep us waiting in all, before it is given up: the window must
// not freeze on a pipe whose writer never writes.
constexpr int attente_max_ms = 1000;

// Waits for something to read on a descriptor that does not block, within what is left of the
// wait allowed.
bool attend_des_octets(int fd, int& attente_restante_ms) {
    pollfd p{fd, POLLIN, 0};
    timespec debut{}, fin{};
    ::clock_gettime(CLOCK_MONOTONIC, &debut);
    const int n = ::poll(&p, 1, attente_restante_ms);
    ::clock_gettime(CLOCK_MONOTONIC, &fin);
    attente_restante_ms -= static_cast<int>((fin.tv_sec - debut.tv_sec) * 1000 +
                                            (fin.tv_nsec - debut.tv_nsec) / 1'000'000);
    return n > 0 && attente_restante_ms > 0;
}

// The CR of each CR LF from position debut on: the limit counts a line's end as one byte, so
// that what a save writes (CR LF after each line) reads back.
std::size_t retours_chariot(const std::string& octets, std::size_t debut) {
    std::size_t n = 0;
    for (std::size_t i = std::max<std::size_t>(debut, 1); i < octets.size(); ++i)
        n += octets[i] == '\n' && octets[i - 1] == '\r';
    return n;
}

// Reads to the end, to the first NUL (nothing after it is read) or just past the limit.
Lecture lit_octets(int fd, std::string& octets) {
    int attente_restante_ms = attente_max_ms;
    std::size_t cr_lf = 0;
    for (;;) {
        const std::size_t deja = octets.size();
        if (deja - cr_lf > taille_max_fichier_gen) return Lecture::trop_longue;
        octets.resize(deja + morceau);
        const ssize_t n = ::read(fd, octets.data() + deja, morceau);
        octets.resize(deja + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            if (!attend_des_octets(fd, attente_restante_ms)) return Lecture::muette;
            continue;
        }
        if (n < 0) return Lecture::erreur;
        if (n == 0) return Lecture::complete;
        if (const auto nul = octets.find('\0', deja); nul != std::string::npos) {
            octets.resize(nul);
            return Lecture::complete;
        }
        cr_lf += retours_chariot(octets, deja);
    }
}

LectureGen illisible(const std::string& chemin) {
    return {{}, msg::ouverture_impossible.avec({Texte::tel_quel(chemin)})};
}

LectureGen trop_volumineux(const std::string& chemin) {
    return {{}, msg::trop_volumineux.avec({Texte::tel_quel(chemin)})};
}

LectureGen muet(const std::string& chemin) {
    return {{}, msg::fichier_muet.avec({Texte::tel_quel(chemin)})};
}

LectureGen trop_de_lignes(const std::string& chemin, std::size_t nb) {
    return {
        {},
        msg::trop_de_lignes.avec({Texte::tel_quel(chemin), Texte::tel_quel(std::to_string(nb))})};
}

} // namespace

LectureGen lit_fichier_gen(const std::string& chemin) {
    // Opening a pipe that nobody writes to does not wait, and neither does reading it.
    Descripteur f(::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat etat {};
    if (f.get() < 0 || ::fstat(f.get(), &etat) != 0) return illisible(chemin);
    const bool ordinaire = S_ISREG(etat.st_mode);
    // At most one CR before each LF: twice the limit is the most that may still fit.
    if (ordinaire && static_cast<std::size_t>(etat.st_size) > 2 * taille_max_fichier_gen)
        return trop_volumineux(chemin);
    std::string octets;
    if (ordinaire) octets.reserve(static_cast<std::size_t>(etat.st_size) + morceau);
    const Lecture lecture = lit_octets(f.get(), octets);
    if (lecture == Lecture::erreur) return illisible(chemin);
    if (lecture == Lecture::trop_longue) return trop_volumineux(chemin);
    if (lecture == Lecture::muette) return muet(chemin);
    const std::size_t taille = octets.size();
    const std::string texte = texte_des_octets(std::move(octets));
    if (memoire_des_lignes(texte) > memoire_par_octet * taille + memoire_de_base)
        return trop_de_lignes(chemin, nombre_de_lignes(texte));
    return {coupe_en_lignes(texte), {}};
}

std::string nom_sans_repertoire(std::string chemin) {
    for (char sep : {'/', '\\'})
        if (const auto p = chemin.rfind(sep); p != std::string::npos) chemin.erase(0, p + 1);
    return chemin;
}

} // namespace orvan
