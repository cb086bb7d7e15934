#include "statistiques/graines.h"

namespace orvan {

namespace {

// The last step of MurmurHash3: every bit of the input reaches every bit of the output.
std::uint32_t melange_bits(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x85ebca6bu;
    x ^= x >> 13;
    x *= 0xc2b2ae35u;
    x ^= x >> 16;
    return x;
}

} // namespace

std::uint32_t graine_de_la_serie(std::uint32_t depart, std::uint32_t rang) {
    // Ranks a golden-ratio step apart, then mixed: neighbouring ranks land far apart.
    return melange_bits(depart + rang * 0x9e3779b9u);
}

} // namespace orvan
