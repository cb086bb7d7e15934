// Where writing a file lands, and whether the program may write there: the end of the chain of
// symbolic links that the name starts, each link followed only as the kernel's protection of
// shared folders would follow it.
#pragma once

#include <string>
#include <sys/stat.h>

namespace orvan {

enum class Refus {
    aucun,
    // A link in a sticky folder that others may write in, placed by someone else than us and
    // the folder's owner: following it would write where a stranger chose.
    lien_d_autrui,
    // A chain of links that loops or goes too deep.
    lien_sans_fin,
    // A folder, a pipe, a device: a plain file must not take its place.
    pas_un_fichier,
    // A plain file of another user.
    fichier_d_autrui,
};

struct Destination {
    std::string cible; // the name written: the end of the chain of links
    bool existe = false;
    struct stat etat {}; // the target's, when it exists
    Refus refus = Refus::aucun;
};

Destination destination_d_ecriture(const std::string& chemin);

// Nothing but a plain file of ours, or a name still free, may be replaced: for the program's
// own files (the start picture kept) and exported pictures.
inline bool remplacable_par_nous(const Destination& d) {
    return d.refus == Refus::aucun;
}

} // namespace orvan
