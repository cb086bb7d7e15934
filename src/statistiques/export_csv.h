// Every individual of many families, one row each, for a spreadsheet. The file is UTF-8 with a
// byte order mark, fields separated by ";" and rows ended by CR LF, numbers with a decimal
// comma: a French spreadsheet opens it as it is, accents, genotypes ("A,O") and probabilities
// in their own cells. A field that holds ";", a quote or a line break is quoted.
#pragma once

#include "ground/textes.h"
#include "statistiques/releve.h"

#include <string>
#include <vector>

namespace orvan {

// langue: that of the headers, the sexes and the bank's gene names.
std::string csv_des_familles(const std::vector<FamilleReleve>& familles,
                             Langue langue = Langue::francais);
// The same in pieces, for families that are not kept: the header for that many genes (one at
// least), then each family's rows.
std::size_t nb_genes_max(const std::vector<FamilleReleve>& familles);
std::string entete_csv(std::size_t nb_genes, Langue langue = Langue::francais);
std::string lignes_csv(const FamilleReleve& f, std::size_t nb_genes,
                       Langue langue = Langue::francais);

} // namespace orvan
