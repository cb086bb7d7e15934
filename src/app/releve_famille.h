// The family on a window, as the statistics read it.
#pragma once

#include "statistiques/releve.h"

#include <cstdint>
#include <string>

namespace orvan {

class FenetrePrincipale;
class LoiEnfantProgramme;

// Every individual that has a genotype, numbered as the pedigree's picture numbers them.
FamilleReleve releve_famille(const FenetrePrincipale& f, const std::string& source,
                             std::int32_t graine);
// Each individual's carrier probability per gene, as the program shows it beside the symbol:
// from what the pupil sees of the family, the program's draws as prior. None when the family
// contradicts itself.
void ajoute_probabilites_porteur(FamilleReleve& r, const FenetrePrincipale& f,
                                 LoiEnfantProgramme& lois);

} // namespace orvan
