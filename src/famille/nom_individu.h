// How a lesson names an individual: its generation and its place from the left, "II-3".
#pragma once

#include <string>

namespace orvan {

class Famille;

// "II-3"; the individual's number while it has no place in the family.
std::string nom_individu(const Famille& famille, int k);

} // namespace orvan
