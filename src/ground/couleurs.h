// The 16-colour table; its numbering is that of the gene bank's colour lines and of saved files.
#pragma once

#include <array>
#include <cstdint>

namespace orvan {

// 0x00BBGGRR: red in the lowest byte.
using Couleur = std::uint32_t;

constexpr Couleur rgb(int r, int g, int b) {
    return static_cast<Couleur>(r) | (static_cast<Couleur>(g) << 8) |
           (static_cast<Couleur>(b) << 16);
}

// The colour legend names ten phenotypes over both genes, the colour line of a log ten colours.
constexpr int max_legende = 10;

// Index 1..16; index 0 unused.
const std::array<Couleur, 17>& table_couleurs();
// The number 1..16 of a table colour; 0 when the colour is not in the table.
int numero_couleur(Couleur c);

// Text over a coloured background, measured as the accessibility guidelines do: the relative
// luminance of a colour (0 for black, 1 for white) and the contrast ratio of two colours,
// (lighter + 0.05) / (darker + 0.05), from 1 for equal colours to 21 for black on white.
double luminance_relative(Couleur c);
double rapport_contraste(Couleur a, Couleur b);
// The ratio under which text is hard to read.
constexpr double contraste_lisible = 4.5;
// Black or white, whichever stands out more on the background; black when they tie.
Couleur noir_ou_blanc(Couleur fond);
// A label's text: its own colour while it reads well on its background, else black or white.
Couleur texte_lisible(Couleur texte, Couleur fond);
// The text of a label that no longer reacts: the readable colour taken part of the way toward
// the background, as far as it still reads well.
Couleur texte_inactif(Couleur texte, Couleur fond);

} // namespace orvan
