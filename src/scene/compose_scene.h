// The whole picture of the pedigree, laid out by the core: title, generations in rows with
// their numbers, each individual's symbol and its texts in its own column (its number such as
// II-3, the phenotype shown, the carrier probabilities with their genes named), the couples'
// and sibships' lines between the columns, and the legend of the colours and patterns under it.
#pragma once

#include "scene/donnees_scene.h"
#include "scene/scene.h"

namespace orvan {

Scene compose_scene(const DonneesScene& donnees);

} // namespace orvan
