#include "ground/generateur.h"

#include "ground/plateforme.h"

namespace orvan {

std::uint32_t Generateur::tirage_alea(std::uint32_t n) {
    graine_alea = graine_alea * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(graine_alea) * n) >> 32);
}

void Generateur::init_alea(const HeureUTC& t) {
    graine_alea = static_cast<std::uint32_t>(((t.h * 60 + t.m) * 60 + t.s) * 1000 + t.ms);
}

} // namespace orvan
