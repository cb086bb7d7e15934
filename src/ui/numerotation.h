// The numbering of a pedigree as the lessons write it: generations I, II, III from the top, and
// in each generation the individuals numbered 1, 2, 3... from left to right, so that "II-3" is
// the third individual from the left in the second generation.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace orvan {

struct PlaceIndividu {
    int k = 0; // individual number
    int left = 0;
    int top = 0;
};

struct NumeroIndividu {
    int k = 0;
    int generation = 0; // 1..3
    int rang = 0;       // 1.. from the left
    bool operator==(const NumeroIndividu&) const = default;
};

// rangees: the tops of the three generations' rows. An individual belongs to the row nearest
// to its top; two at the same place are numbered by their individual numbers. The result is in
// the order of the places given.
std::vector<NumeroIndividu> numerote(const std::vector<PlaceIndividu>& places,
                                     const std::array<int, 3>& rangees);

// 1..3999 in Roman numerals; empty outside.
std::string chiffre_romain(int n);
// "II-3".
std::string numero_texte(const NumeroIndividu& n);

} // namespace orvan
