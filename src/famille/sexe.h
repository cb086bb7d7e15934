// The sex of an individual: a square for a man, a circle for a woman.
#pragma once

#include <cstdint>

namespace orvan {

enum class Sexe : std::uint8_t { homme, femme };

constexpr Sexe autre_sexe(Sexe s) {
    return s == Sexe::homme ? Sexe::femme : Sexe::homme;
}

} // namespace orvan
