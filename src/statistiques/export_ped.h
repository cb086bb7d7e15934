// A family in the PED form that pedigree programs read: one line per individual with the
// family, the individual, its father and mother (0 for none), its sex (1 man, 2 woman), its
// affection for the chosen gene (2 affected, 1 unaffected, 0 unknown), then two alleles per
// gene. The family column is always there: without it the programs cannot read the file back.
// A man's gene on the X has one allele; it is written twice, as these files write a hemizygous
// man.
#pragma once

#include "statistiques/releve.h"

#include <string>

namespace orvan {

// gene: 0 or 1. atteint: the phenotype that counts as affected ("d").
std::string ped_de_la_famille(const FamilleReleve& f, std::size_t gene, const std::string& atteint);

// The phenotype a pedigree marks as affected when none is chosen: the gene's last one, as the
// gene bank lists the trait after the usual form ("d" after "D", "h" after "H").
std::string phenotype_atteint_par_defaut(const GeneReleve& gene);

// A family's identifier: the file's name without its directories and extension, blanks
// replaced by "_".
std::string identifiant_famille(const std::string& source);

} // namespace orvan
