// The shuffle of a gene's statements, so that the pupil cannot read the answers off their order.
#pragma once

#include "ground/generateur.h"

#include "regles/modele_caracteres.h"

#include <array>
#include <cstdint>
#include <numeric>
#include <string>
#include <utility>

namespace orvan {

using TextesEnonces = std::array<std::string, max_relations + 1>;

// Statements 1..n and their truth values, moved together: 500 exchanges of two entries drawn in
// turn, 1000 draws in all whatever n is. `tirage(n)` draws in 0..n-1: the generator itself in
// the program (a long log confirms its genes tens of thousands of times, and the call costs
// more than the draw), a Tirage in the tests.
template <class Etats, class Tirer>
void melange_enonces(TextesEnonces& relations, Etats& etats, int n, Tirer&& tirage) {
    // The exchanges move places only and the texts move once at the end.
    std::array<std::size_t, max_relations + 1> origine{};
    std::iota(origine.begin(), origine.end(), std::size_t{0});
    const auto nb = static_cast<std::uint32_t>(n);
    for (int passe = 0; passe < 500; ++passe) {
        const auto a = 1 + tirage(nb);
        const auto b = 1 + tirage(nb);
        std::swap(origine[a], origine[b]);
    }
    TextesEnonces r;
    Etats e;
    for (std::size_t i = 0; i < origine.size(); ++i) {
        r[i] = std::move(relations[origine[i]]);
        e[i] = std::move(etats[origine[i]]);
    }
    relations = std::move(r);
    etats = std::move(e);
}

} // namespace orvan
