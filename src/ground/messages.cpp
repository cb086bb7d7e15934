#include "ground/messages.h"

#include <array>
#include <string_view>
#include <utility>

namespace orvan::msg {

namespace {

// The built-in bank's gene names, comments and location statements.
constexpr std::array<std::pair<std::string_view, std::string_view>, 12> textes_banque{{
    {"Daltonisme d", "Colour blindness"},
    {"Groupes ABO", "ABO blood groups"},
    {"Facteur rhésus rh+ rh-", "Rhesus factor"},
    {"Hémophilie h", "Haemophilia"},
    {"Mauvaise vision des couleurs", "Poor colour vision"},
    {"Exprimé à la surface des hématies", "Expressed on the surface of red blood cells"},
    {"protéine exprimée en surface", "protein expressed on the surface"},
    {"Synthése défectueuse d'un facteur de coagulation", "Faulty synthesis of a clotting factor"},
    {"sur X", "on X"},
    {"sur Y", "on Y"},
    {"autosomal", "autosomal"},
    {"Daltonisme", "Colour blindness"},
}};

} // namespace

Texte texte_de_la_banque(const std::string& francais) {
    for (const auto& [fr, en] : textes_banque)
        if (francais == fr) return {std::string(fr), std::string(en)};
    return Texte::tel_quel(francais);
}

} // namespace orvan::msg
