// A headless main window for the fuzz targets, started as the dump starts it. Its clock is
// fixed, so an input gives the same run each time it is tried, and its messages go nowhere.
#pragma once

#include "app/fenetre_principale.h"
#include "app/plateforme_silencieuse.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvan::fuzz {

class PlateformeFuzz : public PlateformeSilencieuse {
  public:
    void montre_erreur(const BoiteMessage&) override {}
    HeureUTC heure_utc() const override { return {10, 20, 30, 400}; }
    std::string repertoire_courant() const override { return "/fuzz"; }
};

struct FenetreFuzz {
    FenetreFuzz();
    PlateformeFuzz plateforme;
    FenetrePrincipale f{plateforme};
};

inline std::string_view octets(const std::uint8_t* donnees, std::size_t taille) {
    return {reinterpret_cast<const char*>(donnees), taille};
}

} // namespace orvan::fuzz
