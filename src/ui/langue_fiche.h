// The language file applied to a window: its lines give new texts to the controls they name by
// kind and tag, walked in creation order.
#pragma once

#include "ui/fiche.h"
#include "ui/langue.h"

#include <optional>
#include <string>
#include <vector>

namespace orvan {

class Plateforme;

// Every control of the line's kinds that carries the line's tag takes the text of language k.
void applique_ligne(Fiche& fiche, const LigneLangue& ligne, int k);
void applique_langue(Fiche& fiche, const std::vector<LigneLangue>& lignes, int k);

// The language that an entry of the "Langue" menu asks for: its tag minus 350.
int langue_du_menu(const Controle& entree);

// Where the file is looked for, in this order: the start directory, the program's directory and
// the installed data directory (empty directories are left out).
std::vector<std::string> repertoires_langue(const std::string& repertoire_depart,
                                            const std::string& repertoire_programme);
// No language file is longer than this; a longer one is refused whole.
inline constexpr std::size_t taille_max_fichier_langue = 1024 * 1024;
// What one caption of the file may hold: past these, its text is cut.
inline constexpr int legende_max_lignes = 12;
inline constexpr std::size_t legende_max_caracteres = 400;

struct FichierLangueLu {
    std::vector<std::string> lignes;
    std::optional<Texte> erreur; // set when the file was refused
};
// The lines of the first of these directories' language files that opens, or why it was
// refused.
std::optional<FichierLangueLu> lit_fichier_langue(const std::vector<std::string>& repertoires);

// Reads the language file and gives language k's texts to the window. No file: nothing changes
// and false is returned. A file over 1 MiB changes nothing and is reported; a bad tag keeps the
// lines before it applied and is reported, both through the platform's error message.
bool change_langue(Fiche& fiche, int k, const std::vector<std::string>& repertoires,
                   Plateforme& plateforme);

} // namespace orvan
