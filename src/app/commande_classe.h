// The headless "--classe": the teacher's table of a class's saved families, one row per pupil.
#pragma once

#include "ground/textes.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace orvan {

// arguments: those after "--classe": files and folders, and "--csv FILE". Returns the exit code:
// 0, 1 when no pupil's family could be read or the CSV could not be written, 2 for a command
// line that cannot be read. The table, the CSV and the messages are in the language asked for.
int commande_classe(const std::vector<std::string>& arguments, std::ostream& sortie,
                    std::ostream& erreurs, Langue langue = Langue::francais);

} // namespace orvan
