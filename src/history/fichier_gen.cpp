#include "history/fichier_gen.h"

#include "ground/messages.h"
#include "ui/texte.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace orvan {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t morceau = 64 * 1024;
constexpr std::size_t memoire_par_octet = 20;
constexpr std::size_t memoire_de_base = 1024 * 1024;

// Closes a descriptor on every way out.
class Descripteur {
  public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int get() const { return fd_; }
    // Closes at once: a late write error shows here.
    bool ferme() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

// The text as the reader sees the bytes: valid UTF-8 stays, anything else is Windows-1252.
std::string texte_lu(std::string octets) {
    if (utf8_valide(octets)) return octets;
    return cp1252_vers_utf8(octets);
}

// Calls f(debut, longueur) for each line of the text.
template <class F> void pour_chaque_ligne(std::string_view texte, F f) {
    std::size_t debut = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != '\r' && texte[i] != '\n') continue;
        f(debut, i - debut);
        if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < texte.size()) f(debut, texte.size() - debut);
}

std::vector<std::string> coupe_en_lignes(std::string_view texte) {
    std::size_t nb = 0;
    pour_chaque_ligne(texte, [&](std::size_t, std::size_t) { ++nb; });
    std::vector<std::string> lignes;
    lignes.reserve(nb);
    pour_chaque_ligne(
        texte, [&](std::size_t debut, std::size_t n) { lignes.emplace_back(texte, debut, n); });
    return lignes;
}

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

enum class Lecture { complete, erreur, trop_longue };

// Reads to the end, to the first NUL (nothing after it is read) or just past the limit.
Lecture lit_octets(int fd, std::string& octets) {
    for (;;) {
        const std::size_t deja = octets.size();
        if (deja > taille_max_fichier_gen) return Lecture::trop_longue;
        octets.resize(deja + morceau);
        const ssize_t n = ::read(fd, octets.data() + deja, morceau);
        octets.resize(deja + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Lecture::erreur;
        if (n == 0) return Lecture::complete;
        if (const auto nul = octets.find('\0', deja); nul != std::string::npos) {
            octets.resize(nul);
            return Lecture::complete;
        }
    }
}

LectureGen illisible(const std::string& chemin) {
    return {{}, msg::ouverture_impossible.avec({Texte::tel_quel(chemin)})};
}

LectureGen trop_volumineux(const std::string& chemin) {
    return {{}, msg::trop_volumineux.avec({Texte::tel_quel(chemin)})};
}

} // namespace

std::vector<std::string> lignes_du_texte(std::string_view octets) {
    return coupe_en_lignes(texte_lu(std::string(octets.substr(0, octets.find('\0')))));
}

std::string texte_des_lignes(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const auto& l : lignes)
        texte += l + "\r\n";
    std::string simple = utf8_vers_cp1252(texte);
    // Single bytes only when they read back as this very text: "Ã©" in single bytes is valid
    // UTF-8 and would come back as "é".
    if (texte_lu(simple) == texte) return simple;
    return texte;
}

LectureGen lit_fichier_gen(const std::string& chemin) {
    // Opening a pipe that nobody writes to does not wait; reading then blocks as usual.
    Descripteur f(::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat etat {};
    if (f.get() < 0 || ::fstat(f.get(), &etat) != 0) return illisible(chemin);
    const bool ordinaire = S_ISREG(etat.st_mode);
    if (ordinaire && static_cast<std::size_t>(etat.st_size) > taille_max_fichier_gen)
        return trop_volumineux(chemin);
    const int drapeaux = ::fcntl(f.get(), F_GETFL);
    if (drapeaux < 0 || ::fcntl(f.get(), F_SETFL, drapeaux & ~O_NONBLOCK) != 0)
        return illisible(chemin);
    std::string octets;
    if (ordinaire) octets.reserve(static_cast<std::size_t>(etat.st_size) + morceau);
    const Lecture lecture = lit_octets(f.get(), octets);
    if (lecture == Lecture::erreur) return illisible(chemin);
    if (lecture == Lecture::trop_longue) return trop_volumineux(chemin);
    const std::size_t taille = octets.size();
    const std::string texte = texte_lu(std::move(octets));
    if (memoire_des_lignes(texte) > memoire_par_octet * taille + memoire_de_base)
        return trop_volumineux(chemin);
    return {coupe_en_lignes(texte), {}};
}

namespace {

// The file that a save replaces: the end of a chain of symbolic links, which stay links.
std::optional<std::string> cible_reelle(std::string chemin) {
    for (int i = 0; i < 40; ++i) {
        struct stat etat {};
        if (::lstat(chemin.c_str(), &etat) != 0 || !S_ISLNK(etat.st_mode)) return chemin;
        std::error_code ec;
        const fs::path lien = fs::read_symlink(chemin, ec);
        if (ec) return std::nullopt;
        chemin =
            lien.is_absolute() ? lien.string() : (fs::path(chemin).parent_path() / lien).string();
    }
    return std::nullopt;
}

std::string dossier_de(const std::string& chemin) {
    const fs::path parent = fs::path(chemin).parent_path();
    return parent.empty() ? "." : parent.string();
}

bool en_lecture_seule(const std::string& chemin, const struct stat& etat) {
    // The super-user may write anything, so the mode itself is asked too.
    if ((etat.st_mode & 0222) == 0) return true;
    return ::faccessat(AT_FDCWD, chemin.c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EPERM || errno == EROFS);
}

mode_t masque_de_creation() {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return masque;
}

// The new file takes the old one's owner, group and permissions; a file that did not exist
// gets what creating it directly would have given.
bool donne_les_droits(int fd, const struct stat* ancien) {
    if (!ancien) return ::fchmod(fd, 0666 & ~masque_de_creation()) == 0;
    mode_t mode = ancien->st_mode & 0777;
    if (::fchown(fd, ancien->st_uid, ancien->st_gid) != 0) {
        if (errno != EPERM) return false;
        (void)::fchown(fd, static_cast<uid_t>(-1), ancien->st_gid);
        struct stat nouveau {};
        if (::fstat(fd, &nouveau) != 0) return false;
        // Another group must not get the rights that were meant for the old one.
        if (nouveau.st_gid != ancien->st_gid) mode = (mode & ~070) | ((mode & 07) << 3);
    }
    return ::fchmod(fd, mode) == 0;
}

bool ecrit_tout(int fd, std::string_view octets) {
    while (!octets.empty()) {
        const ssize_t n = ::write(fd, octets.data(), octets.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        octets.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

Enregistrement remplit(Descripteur& f, const struct stat* ancien, std::string_view octets) {
    if (!donne_les_droits(f.get(), ancien)) return Enregistrement::creation_impossible;
    if (!ecrit_tout(f.get(), octets) || ::fsync(f.get()) != 0)
        return Enregistrement::erreur_ecriture;
    return f.ferme() ? Enregistrement::reussi : Enregistrement::erreur_ecriture;
}

// The rename lasts only once the folder that holds it is on disk.
bool synchronise_dossier(const std::string& dossier) {
    Descripteur d(::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.get() < 0) return false;
    return ::fsync(d.get()) == 0 || errno == EINVAL;
}

} // namespace

Enregistrement enregistre_fichier_gen(const std::string& chemin,
                                      const std::vector<std::string>& lignes) {
    // Past a limit on file sizes, writing fails instead of ending the process. Set at every
    // save, since any other code may have put the default back.
    std::signal(SIGXFSZ, SIG_IGN);
    const auto cible = cible_reelle(chemin);
    if (!cible) return Enregistrement::creation_impossible;
    struct stat ancien {};
    const bool existe = ::stat(cible->c_str(), &ancien) == 0;
    // A device or a pipe replaced by a plain file would not be written to.
    if (existe && !S_ISREG(ancien.st_mode)) return Enregistrement::creation_impossible;
    if (existe && en_lecture_seule(*cible, ancien)) return Enregistrement::lecture_seule;
    const std::string dossier = dossier_de(*cible);
    std::string temporaire = dossier + "/.orvan-XXXXXX";
    Descripteur f(::mkostemp(temporaire.data(), O_CLOEXEC));
    if (f.get() < 0) return Enregistrement::creation_impossible;
    auto resultat = remplit(f, existe ? &ancien : nullptr, texte_des_lignes(lignes));
    if (resultat == Enregistrement::reussi && ::rename(temporaire.c_str(), cible->c_str()) != 0)
        resultat = Enregistrement::creation_impossible;
    if (resultat != Enregistrement::reussi) {
        ::unlink(temporaire.c_str());
        return resultat;
    }
    return synchronise_dossier(dossier) ? Enregistrement::reussi : Enregistrement::erreur_ecriture;
}

Texte message_enregistrement(Enregistrement resultat, const std::string& chemin) {
    switch (resultat) {
    case Enregistrement::reussi:
        return {};
    case Enregistrement::creation_impossible:
        return msg::creation_impossible.avec({Texte::tel_quel(chemin)});
    case Enregistrement::erreur_ecriture:
        return msg::erreur_ecriture;
    case Enregistrement::lecture_seule:
        return msg::lecture_seule.avec({Texte::tel_quel(chemin)});
    }
    return {};
}

std::string nom_sans_repertoire(std::string chemin) {
    for (char sep : {'/', '\\'})
        if (const auto p = chemin.rfind(sep); p != std::string::npos) chemin.erase(0, p + 1);
    return chemin;
}

} // namespace orvan
