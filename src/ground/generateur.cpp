#include "ground/generateur.h"

#include "ground/plateforme.h"

namespace orvan {

void Generateur::init_alea(const HeureUTC& t) {
    graine_alea = static_cast<std::uint32_t>(((t.h * 60 + t.m) * 60 + t.s) * 1000 + t.ms);
}

} // namespace orvan
