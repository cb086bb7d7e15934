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

    // A draw in 0..n-1 (0 when n is 0); every call advances the state once.
    std::uint32_t tirage_alea(std::uint32_t n);
    // Seeds from the milliseconds since midnight UTC.
    void init_alea(const HeureUTC& heure);
    std::int32_t graine_signee() const { return static_cast<std::int32_t>(graine_alea); }
};

} // namespace orvan
