// The one pseudo-random generator of the program. Its arithmetic is fixed bit for bit: a saved
// family must draw the same numbers on any machine.
#pragma once

#include <cstdint>
#include <functional>

namespace orvan {

struct HeureUTC;

// A draw in 0..n-1, as the pure rules receive it: the generator in the program, a scripted
// sequence in their tests.
using Tirage = std::function<std::uint32_t(std::uint32_t)>;

struct Generateur {
    std::uint32_t graine_alea = 0;

    // A draw in 0..n-1 (0 when n is 0); every call advances the state once. Inline: a
    // confirmation of the genes shuffles with a thousand draws.
    std::uint32_t tirage_alea(std::uint32_t n) {
        graine_alea = graine_alea * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(graine_alea) * n) >> 32);
    }
    // Seeds from the milliseconds since midnight UTC.
    void init_alea(const HeureUTC& heure);
    std::int32_t graine_signee() const { return static_cast<std::int32_t>(graine_alea); }
};

} // namespace orvan
