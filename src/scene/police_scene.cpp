#include "scene/police_scene.h"

#include <array>
#include <cstdint>

namespace orvan {

namespace {

// Thousandths of the size, for the printable ASCII characters 32..126.
constexpr std::array<std::uint16_t, 95> chasses = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};

// Letters beyond ASCII (the accents of French, the signs of the bank) are taken as wide as the
// widest lower-case letter but m and w, and capitals as a wide capital: never narrower than they
// are drawn.
std::uint16_t chasse_hors_ascii(char32_t c) {
    if (c >= 0xC0 && c <= 0xDE) return 778;
    if (c == 0xA0 || c == 0x202F) return 278; // the spaces before French signs
    return 611;
}

} // namespace

double largeur_texte(const std::string& texte, double taille) {
    std::uint32_t total = 0;
    for (std::size_t i = 0; i < texte.size();) {
        const auto octet = static_cast<unsigned char>(texte[i]);
        if (octet < 0x80) {
            total += octet >= 32 && octet <= 126 ? chasses[octet - 32] : 0;
            ++i;
            continue;
        }
        const int suite = octet >= 0xF0 ? 3 : octet >= 0xE0 ? 2 : 1;
        char32_t c = octet & (0x3F >> suite);
        for (int n = 1; n <= suite && i + static_cast<std::size_t>(n) < texte.size(); ++n)
            c = (c << 6) |
                (static_cast<unsigned char>(texte[i + static_cast<std::size_t>(n)]) & 0x3F);
        total += chasse_hors_ascii(c);
        i += static_cast<std::size_t>(suite) + 1;
    }
    return total * taille / 1000.0;
}

} // namespace orvan
