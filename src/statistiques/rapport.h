// The statistics as text, in both languages: what the headless command prints and what the
// window writes under a test.
#pragma once

#include "ground/textes.h"
#include "statistiques/comparaison.h"
#include "statistiques/tables.h"

#include <optional>

namespace orvan {

// "0,0455" in French, "0.0455" in English.
Texte nombre(double x, int decimales);

// One table: the children by phenotype and sex, then each comparison with its test.
Texte rapport_table(const TableCroisement& t, const std::optional<Hypothese>& hypothese);

// The sentence under a test: chi-square, degrees of freedom, p, and the warnings.
Texte texte_du_test(const TestKhi2& t);

} // namespace orvan
