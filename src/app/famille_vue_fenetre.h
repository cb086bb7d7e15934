// The family of the main window as the probabilities read it.
#pragma once

#include "probabilites/famille_vue.h"

namespace orvan {

class FenetrePrincipale;

// From the family model: the shown individuals, their sexes and parents, per gene the phenotype
// shown or the genotype entered by hand; the chosen genes with their genotype tables.
FamilleVue famille_vue(const FenetrePrincipale& f);

} // namespace orvan
