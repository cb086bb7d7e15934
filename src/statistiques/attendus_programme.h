// What the program's own draws give: the law of a union's children.
#pragma once

#include "statistiques/tables.h"

namespace orvan {

// The law of the children of each union as the program draws them, per cell (phenotype and
// sex), from the same draw of one child as the crossing; each pair of parents' law is worked
// out once per returned function.
LoiDesEnfants loi_des_enfants_du_programme();

} // namespace orvan
