// Saving the event log into a .gen file without ever losing the family that was there. A log
// that would be too large to be opened again is not written.
#pragma once

#include "ground/textes.h"
#include <string>
#include <vector>

namespace orvan {

enum class Enregistrement {
    reussi,
    creation_impossible,
    erreur_ecriture,
    disque_plein, // the old file stays as it was
    lecture_seule,
    lien_d_autrui,
    trop_volumineux
};

// A symbolic link is followed and stays a link, unless another user placed it in a shared
// folder (destination_d_ecriture): then nothing is written. Where the new content can take the old
// file's place whole, it is written beside it under an unpredictable name and renamed over it: a
// failure then never touches the old file. That needs a folder we may write in, a file with no
// other name (a hard link would keep the old content) and an owner, group, mode and extended
// attributes (ACLs among them) that the new file can take. Otherwise the file is written in
// place (ecriture_sur_place.h), its old content kept in memory and written back if the write
// fails. A target that we
// may not write, or whose mode grants nobody writing, is left as it is. Temporary files that a
// save of ours left behind when it was killed are removed from the folder first.
Enregistrement enregistre_fichier_gen(const std::string& chemin,
                                      const std::vector<std::string>& lignes);
// The message to show after a save; empty when it succeeded.
Texte message_enregistrement(Enregistrement resultat, const std::string& chemin);

} // namespace orvan
