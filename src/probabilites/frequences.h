// The allele frequencies of a population, per gene of the built-in bank; the help gives their
// sources. A gene without frequencies (a bank of the language file) has its alleles equally
// frequent.
#pragma once

#include "probabilites/a_priori.h"

#include <map>
#include <string>
#include <vector>

namespace orvan {

std::map<std::string, FrequencesGene> frequences_par_defaut();

// The frequencies of the gene of that name and those alleles: the map's when it has one for
// each allele, else all alleles equally frequent.
FrequencesGene frequences_du_gene(const std::map<std::string, FrequencesGene>& frequences,
                                  const std::string& nom, const std::vector<std::string>& alleles);

} // namespace orvan
