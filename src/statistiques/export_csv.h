// Every individual of many families, one row each, for a spreadsheet. The file is UTF-8 with a
// byte order mark, fields separated by ";" and rows ended by CR LF, numbers with a decimal
// comma: a French spreadsheet opens it as it is, accents, genotypes ("A,O") and probabilities
// in their own cells. A field that holds ";", a quote or a line break is quoted.
#pragma once

#include "statistiques/releve.h"

#include <string>
#include <vector>

namespace orvan {

std::string csv_des_familles(const std::vector<FamilleReleve>& familles);
// The same in pieces, for families that are not kept: the header for that many genes (one at
// least), then each family's rows.
std::size_t nb_genes_max(const std::vector<FamilleReleve>& familles);
std::string entete_csv(std::size_t nb_genes);
std::string lignes_csv(const FamilleReleve& f, std::size_t nb_genes);

} // namespace orvan
