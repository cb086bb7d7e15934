// The statistics as text: what the headless command prints.
#pragma once

#include "statistiques/comparaison.h"
#include "statistiques/tables.h"

#include <optional>
#include <string>
#include <vector>

namespace orvan {

// "0,0455": a decimal comma, as in the window.
std::string nombre_fr(double x, int decimales);

// One table: the children by phenotype and sex, then each comparison with its test.
std::string rapport_table(const TableCroisement& t, const std::optional<Hypothese>& hypothese);

// The sentence under a test: chi-square, degrees of freedom, p, and the warnings.
std::string texte_du_test(const TestKhi2& t);

} // namespace orvan
