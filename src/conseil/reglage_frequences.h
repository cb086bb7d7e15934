// The allele frequencies that "Dans la population" assumes, as a teacher sets them: a dialog
// lists each gene of the family with a field per allele, refuses what it cannot read, offers
// to bring a sum other than 1 back to 1, and gives back the program's defaults on request.
#pragma once

#include "ground/plateforme.h"
#include "probabilites/a_priori.h"
#include "probabilites/famille_vue.h"

#include <map>
#include <string>
#include <vector>

namespace orvan {

// Shows the dialog for the genes of the family; the frequencies change once it is accepted.
void regle_frequences(Plateforme& plateforme, const std::vector<GeneVu>& genes,
                      std::map<std::string, FrequencesGene>& frequences);

} // namespace orvan
