// The headless commands of the class statistics: "--statistiques" pools saved and new
// families and prints their tables; "--ped" writes one family for pedigree programs.
#pragma once

#include "ground/textes.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace orvan {

// arguments: those after "--statistiques". Returns the exit code: 0, 1 when no family could be
// counted or a file could not be written, 2 for a command line that cannot be read. The tables
// and messages are in the language asked for.
int commande_statistiques(const std::vector<std::string>& arguments, std::ostream& sortie,
                          std::ostream& erreurs, Langue langue = Langue::francais);
// arguments: those after "--ped".
int commande_ped(const std::vector<std::string>& arguments, std::ostream& sortie,
                 std::ostream& erreurs, Langue langue = Langue::francais);

} // namespace orvan
