// The allele frequencies of a population, per gene of the built-in bank; the help gives their
// sources. A gene without frequencies (a bank of the language file) has its alleles equally
// frequent.
#pragma once

#include "probabilites/a_priori.h"

#include <map>
#include <string>

namespace orvan {

std::map<std::string, FrequencesGene> frequences_par_defaut();

} // namespace orvan
