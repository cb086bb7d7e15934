#include "history/enregistrement_gen.h"

#include "ground/messages.h"
#include "history/descripteur.h"
#include "history/destination.h"
#include "history/ecriture_sur_place.h"
#include "history/fichier_gen.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace orvan {

namespace {

namespace fs = std::filesystem;

// Temporary files written before this moment belong to no save still running in this process.
const timespec debut_du_processus = [] {
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return t;
}();

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

// ".orvan-" and the six letters or digits that mkostemp chooses.
bool nom_temporaire(std::string_view nom) {
    return nom.size() == 13 && nom.starts_with(".orvan-") &&
           std::all_of(nom.begin() + 7, nom.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

bool plus_ancien_que_le_processus(const timespec& t) {
    return t.tv_sec < debut_du_processus.tv_sec ||
           (t.tv_sec == debut_du_processus.tv_sec && t.tv_nsec < debut_du_processus.tv_nsec);
}

// A save killed between the creation of its temporary file and the rename leaves that file.
// Only ours, and only those older than this process: another save may be writing its own.
void retire_temporaires_abandonnes(const std::string& dossier) {
    std::error_code ec;
    for (fs::directory_iterator it(dossier, ec), fin; !ec && it != fin; it.increment(ec)) {
        const std::string nom = it->path().filename().string();
        if (!nom_temporaire(nom)) continue;
        struct stat etat {};
        const std::string chemin = it->path().string();
        if (::lstat(chemin.c_str(), &etat) == 0 && S_ISREG(etat.st_mode) &&
            etat.st_uid == ::geteuid() && plus_ancien_que_le_processus(etat.st_mtim))
            ::unlink(chemin.c_str());
    }
}

mode_t masque_de_creation() {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return masque;
}

// The names of the extended attributes, or nullopt when they cannot be listed.
std::optional<std::vector<std::string>> noms_d_attributs(const std::string& chemin, int fd) {
    for (int essai = 0; essai < 4; ++essai) {
        const ssize_t taille =
            fd >= 0 ? ::flistxattr(fd, nullptr, 0) : ::listxattr(chemin.c_str(), nullptr, 0);
        if (taille < 0) {
            if (errno == ENOTSUP) return std::vector<std::string>{};
            return std::nullopt;
        }
        std::string liste(static_cast<std::size_t>(taille), '\0');
        const ssize_t n = fd >= 0 ? ::flistxattr(fd, liste.data(), liste.size())
                                  : ::listxattr(chemin.c_str(), liste.data(), liste.size());
        if (n < 0 && errno == ERANGE) continue; // the list grew meanwhile
        if (n < 0) return std::nullopt;
        liste.resize(static_cast<std::size_t>(n));
        std::vector<std::string> noms;
        for (std::size_t debut = 0; debut < liste.size();) {
            const std::size_t fin = liste.find('\0', debut);
            noms.push_back(liste.substr(debut, fin - debut));
            debut = fin == std::string::npos ? liste.size() : fin + 1;
        }
        return noms;
    }
    return std::nullopt;
}

std::optional<std::string> valeur_d_attribut(const std::string& chemin, const std::string& nom) {
    const ssize_t taille = ::getxattr(chemin.c_str(), nom.c_str(), nullptr, 0);
    if (taille < 0) return std::nullopt;
    std::string valeur(static_cast<std::size_t>(taille), '\0');
    const ssize_t n = ::getxattr(chemin.c_str(), nom.c_str(), valeur.data(), valeur.size());
    if (n != taille) return std::nullopt;
    return valeur;
}

// The new file gets exactly the old one's extended attributes: those it inherited from the
// folder and the old file lacks go.
bool copie_les_attributs_etendus(const std::string& ancien, int fd) {
    const auto noms = noms_d_attributs(ancien, -1);
    const auto herites = noms_d_attributs({}, fd);
    if (!noms || !herites) return false;
    for (const auto& nom : *herites)
        if (std::find(noms->begin(), noms->end(), nom) == noms->end() &&
            ::fremovexattr(fd, nom.c_str()) != 0)
            return false;
    for (const auto& nom : *noms) {
        const auto valeur = valeur_d_attribut(ancien, nom);
        if (!valeur || ::fsetxattr(fd, nom.c_str(), valeur->data(), valeur->size(), 0) != 0)
            return false;
    }
    return true;
}

// False when the new file cannot be the old one's exact double: then it is written in place.
bool porte_les_attributs(int fd, const std::string& cible, const struct stat* ancien) {
    if (!ancien) return ::fchmod(fd, 0666 & ~masque_de_creation()) == 0;
    struct stat nouveau {};
    if (::fchown(fd, ancien->st_uid, ancien->st_gid) != 0 || ::fstat(fd, &nouveau) != 0 ||
        nouveau.st_uid != ancien->st_uid || nouveau.st_gid != ancien->st_gid)
        return false;
    return ::fchmod(fd, ancien->st_mode & 07777) == 0 && copie_les_attributs_etendus(cible, fd);
}

// The rename lasts only once the folder that holds it is on disk.
bool synchronise_dossier(const std::string& dossier) {
    Descripteur d(::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.get() < 0) return false;
    return ::fsync(d.get()) == 0 || errno == EINVAL;
}

// Writes a new file beside the target and renames it over the target. nullopt when that road
// is closed (no file can be created there, the attributes cannot follow, the rename is refused):
// nothing has changed and no temporary file is left.
std::optional<Enregistrement> remplace_par_renommage(const std::string& cible,
                                                     const std::string& dossier,
                                                     const struct stat* ancien,
                                                     std::string_view octets) {
    std::string temporaire = dossier + "/.orvan-XXXXXX";
    Descripteur f(::mkostemp(temporaire.data(), O_CLOEXEC));
    if (f.get() < 0) return std::nullopt;
    std::optional<Enregistrement> resultat;
    if (!porte_les_attributs(f.get(), cible, ancien))
        resultat = std::nullopt;
    else if (!ecrit_tout(f.get(), octets, 0) || ::fsync(f.get()) != 0 || !f.ferme())
        resultat = echec_d_ecriture();
    else if (::rename(temporaire.c_str(), cible.c_str()) == 0)
        return synchronise_dossier(dossier) ? Enregistrement::reussi
                                            : Enregistrement::erreur_ecriture;
    ::unlink(temporaire.c_str());
    return resultat;
}

} // namespace

Enregistrement enregistre_fichier_gen(const std::string& chemin,
                                      const std::vector<std::string>& lignes) {
    // The links followed stay links. A device or a pipe replaced by a plain file would not be
    // written to; another user's file is written as its mode allows.
    const Destination d = destination_d_ecriture(chemin);
    if (d.refus == Refus::lien_d_autrui) return Enregistrement::lien_d_autrui;
    if (d.refus != Refus::aucun && d.refus != Refus::fichier_d_autrui)
        return Enregistrement::creation_impossible;
    const std::string& cible = d.cible;
    const struct stat& ancien = d.etat;
    const bool existe = d.existe;
    if (existe && en_lecture_seule(cible, ancien)) return Enregistrement::lecture_seule;
    const std::string dossier = dossier_de(cible);
    retire_temporaires_abandonnes(dossier);
    const std::string octets = texte_des_lignes(lignes);
    // What cannot be opened again is not written: the old file stays.
    if (octets.size() - lignes.size() > taille_max_fichier_gen)
        return Enregistrement::trop_volumineux;
    // A second name of the file would keep the old content after a rename.
    if (existe && ancien.st_nlink > 1) return ecrit_sur_place(cible, octets);
    if (const auto r = remplace_par_renommage(cible, dossier, existe ? &ancien : nullptr, octets))
        return *r;
    return existe ? ecrit_sur_place(cible, octets) : Enregistrement::creation_impossible;
}

Texte message_enregistrement(Enregistrement resultat, const std::string& chemin) {
    switch (resultat) {
    case Enregistrement::reussi:
        return {};
    case Enregistrement::creation_impossible:
        return msg::creation_impossible.avec({Texte::tel_quel(chemin)});
    case Enregistrement::erreur_ecriture:
        return msg::erreur_ecriture;
    case Enregistrement::disque_plein:
        return msg::disque_plein.avec({Texte::tel_quel(chemin)});
    case Enregistrement::lecture_seule:
        return msg::lecture_seule.avec({Texte::tel_quel(chemin)});
    case Enregistrement::trop_volumineux:
        return msg::famille_trop_longue.avec({Texte::tel_quel(chemin)});
    case Enregistrement::lien_d_autrui:
        return msg::lien_d_autrui.avec({Texte::tel_quel(chemin)});
    }
    return {};
}

} // namespace orvan
