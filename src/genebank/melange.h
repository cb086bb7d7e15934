// The shuffle of a gene's statements, so that the pupil cannot read the answers off their order.
#pragma once

#include "app/generateur.h"

#include "genebank/modele_caracteres.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace orvan {

using TextesEnonces = std::array<std::string, max_relations + 1>;

// Statements 1..n and their truth values, moved together: 500 exchanges of two entries drawn in
// turn, 1000 draws in all whatever n is.
void melange_enonces(TextesEnonces& relations, TextesEnonces& etats, int n, const Tirage& tirage);

} // namespace orvan
