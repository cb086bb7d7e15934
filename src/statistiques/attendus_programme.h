// What the program's own draws give: the law of a union's children, and the carrier
// probabilities shown to the pupil.
#pragma once

#include "statistiques/tables.h"

namespace orvan {

// The law of the children of each union as the program draws them, per cell (phenotype and
// sex); empty when it cannot be computed.
LoiDesEnfants loi_des_enfants_du_programme();

// Gives each individual its carrier probability per gene, as the family shows it to the pupil.
void ajoute_probabilites_porteur(FamilleReleve& famille);

} // namespace orvan
