// The family on a window, as the statistics read it.
#pragma once

#include "statistiques/releve.h"

#include <cstdint>
#include <string>

namespace orvan {

class FenetrePrincipale;

// Every individual that has a genotype, numbered as the pedigree's picture numbers them.
FamilleReleve releve_famille(const FenetrePrincipale& f, const std::string& source,
                             std::int32_t graine);

} // namespace orvan
