#include "history/ecriture_sur_place.h"

#include "history/descripteur.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace orvan {

namespace {

// The old content kept in memory for a write in place; a larger file is not overwritten.
constexpr off_t ancien_contenu_max = 64 * 1024 * 1024;

bool etape(int n) {
    if (apres_etape_sur_place) apres_etape_sur_place(n);
    return true;
}

std::optional<std::string> lit_tout(int fd, off_t taille) {
    std::string octets(static_cast<std::size_t>(taille), '\0');
    std::size_t lus = 0;
    while (lus < octets.size()) {
        const ssize_t n =
            ::pread(fd, octets.data() + lus, octets.size() - lus, static_cast<off_t>(lus));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        lus += static_cast<std::size_t>(n);
    }
    octets.resize(lus);
    return octets;
}

bool coupe(int fd, std::size_t taille) {
    return ::ftruncate(fd, static_cast<off_t>(taille)) == 0 && ::fsync(fd) == 0;
}

// Writes the bytes at the position and cuts the file after them, so that it reads as it read
// before until the very last write: reading stops at a NUL, which holds the first byte's place
// until everything after it is on disk. That first byte is one write, which is whole or not.
bool ecrit_derriere_un_nul(int fd, std::string_view octets, std::size_t position) {
    const auto p = static_cast<off_t>(position);
    if (octets.empty()) return coupe(fd, position);
    return ecrit_tout(fd, std::string_view("\0", 1), p) && etape(1) &&
           ecrit_tout(fd, octets.substr(1), p + 1) && etape(2) &&
           coupe(fd, position + octets.size()) && etape(3) &&
           ecrit_tout(fd, octets.substr(0, 1), p) && ::fsync(fd) == 0 && etape(4);
}

// The file's whole content, then its end cut after it, then on disk.
bool ecrit_depuis_le_debut(int fd, std::string_view octets) {
    return ecrit_tout(fd, octets, 0) && coupe(fd, octets.size());
}

} // namespace

Enregistrement echec_d_ecriture() {
    return errno == ENOSPC || errno == EDQUOT ? Enregistrement::disque_plein
                                              : Enregistrement::erreur_ecriture;
}

bool ecrit_tout(int fd, std::string_view octets, off_t position) {
    while (!octets.empty()) {
        const ssize_t n = ::pwrite(fd, octets.data(), octets.size(), position);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        octets.remove_prefix(static_cast<std::size_t>(n));
        position += n;
    }
    return true;
}

Enregistrement ecrit_sur_place(const std::string& cible, std::string_view octets) {
    Descripteur f(::open(cible.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
    struct stat etat {};
    if (f.get() < 0 || ::fstat(f.get(), &etat) != 0 || !S_ISREG(etat.st_mode) ||
        etat.st_size > ancien_contenu_max)
        return Enregistrement::creation_impossible;
    const auto ancien = lit_tout(f.get(), etat.st_size);
    if (!ancien) return Enregistrement::creation_impossible;
    // What the file reads as: up to its first NUL, which a save killed before may have left.
    const std::string_view lu = std::string_view(*ancien).substr(0, ancien->find('\0'));
    bool ecrit = false;
    if (octets.starts_with(lu)) {
        // The log grew since it was saved: only its new lines are written, after the old ones.
        ecrit = ecrit_derriere_un_nul(f.get(), octets.substr(lu.size()), lu.size());
    } else {
        // The old content goes first: a write over it would leave the new lines followed by
        // the end of the old ones.
        ecrit = coupe(f.get(), 0) && etape(0) && ecrit_derriere_un_nul(f.get(), octets, 0);
    }
    if (!ecrit) {
        const Enregistrement echec = echec_d_ecriture();
        return ecrit_depuis_le_debut(f.get(), *ancien) ? echec : Enregistrement::erreur_ecriture;
    }
    return f.ferme() ? Enregistrement::reussi : Enregistrement::erreur_ecriture;
}

} // namespace orvan
