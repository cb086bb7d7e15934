#include "history/destination.h"

#include <filesystem>
#include <unistd.h>

namespace orvan {

namespace {

namespace fs = std::filesystem;

// A sticky folder that others than its owner may write in is shared: anyone may have placed a
// link there.
bool dossier_partage(const struct stat& dossier) {
    return (dossier.st_mode & S_ISVTX) && (dossier.st_mode & (S_IWGRP | S_IWOTH));
}

bool lien_suivable(const std::string& lien, const struct stat& etat_lien) {
    const fs::path parent = fs::path(lien).parent_path();
    struct stat dossier {};
    if (::stat(parent.empty() ? "." : parent.c_str(), &dossier) != 0) return false;
    return !dossier_partage(dossier) || etat_lien.st_uid == ::geteuid() ||
           etat_lien.st_uid == dossier.st_uid;
}

} // namespace

Destination destination_d_ecriture(const std::string& chemin) {
    Destination d;
    d.cible = chemin;
    for (int liens = 0;; ++liens) {
        if (::lstat(d.cible.c_str(), &d.etat) != 0) {
            d.etat = {};
            return d; // a free name
        }
        if (!S_ISLNK(d.etat.st_mode)) break;
        if (liens == 40) {
            d.refus = Refus::lien_sans_fin;
            return d;
        }
        if (!lien_suivable(d.cible, d.etat)) {
            d.refus = Refus::lien_d_autrui;
            return d;
        }
        std::error_code ec;
        const fs::path vers = fs::read_symlink(d.cible, ec);
        if (ec) {
            d.refus = Refus::lien_sans_fin;
            return d;
        }
        d.cible =
            vers.is_absolute() ? vers.string() : (fs::path(d.cible).parent_path() / vers).string();
    }
    d.existe = true;
    if (!S_ISREG(d.etat.st_mode))
        d.refus = Refus::pas_un_fichier;
    else if (d.etat.st_uid != ::geteuid())
        d.refus = Refus::fichier_d_autrui;
    return d;
}

} // namespace orvan
