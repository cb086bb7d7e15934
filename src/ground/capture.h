// A picture of a window as the platform captured it, and how a printing ended.
#pragma once

#include <cstdint>
#include <vector>

namespace orvan {

struct Capture {
    int largeur = 0, hauteur = 0; // in screen pixels
    // Pixels per screen pixel: a window captured finer than the screen shows it prints sharp.
    int echelle = 1;
    // 0xAARRGGBB, (largeur x echelle) pixels a row, row by row from the top: the front end's own
    // layout, which the core never reads.
    std::vector<std::uint32_t> pixels;
    bool vide() const { return largeur <= 0 || hauteur <= 0 || echelle <= 0; }
};

enum class ResultatImpression { imprimee, sans_imprimante, echec };

} // namespace orvan
