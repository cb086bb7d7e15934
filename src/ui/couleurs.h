// The 16-colour table; its numbering is that of the gene bank's colour lines and of saved files.
#pragma once

#include "ui/controles.h"

#include <array>

namespace orvan {

// Index 1..16; index 0 unused.
const std::array<Couleur, 17>& table_couleurs();
// The number 1..16 of a table colour; 0 when the colour is not in the table.
int numero_couleur(Couleur c);

} // namespace orvan
