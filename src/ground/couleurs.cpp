#include "ground/couleurs.h"

#include <algorithm>
#include <cmath>

namespace orvan {

const std::array<Couleur, 17>& table_couleurs() {
    static const std::array<Couleur, 17> table = {0,
                                                  rgb(0, 0, 0),
                                                  rgb(128, 0, 0),
                                                  rgb(0, 128, 0),
                                                  rgb(128, 128, 0),
                                                  rgb(0, 0, 128),
                                                  rgb(128, 0, 128),
                                                  rgb(0, 128, 128),
                                                  rgb(128, 128, 128),
                                                  rgb(192, 192, 192),
                                                  rgb(255, 0, 0),
                                                  rgb(0, 255, 0),
                                                  rgb(255, 255, 0),
                                                  rgb(0, 0, 255),
                                                  rgb(255, 0, 255),
                                                  rgb(0, 255, 255),
                                                  rgb(255, 255, 255)};
    return table;
}

int numero_couleur(Couleur c) {
    const auto& t = table_couleurs();
    for (int i = 1; i <= 16; ++i)
        if (t[i] == c) return i;
    return 0;
}

namespace {

double lineaire(unsigned composante) {
    const double v = composante / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

unsigned composante(Couleur c, int decalage) {
    return (c >> decalage) & 0xffu;
}

// a taken a fraction t of the way toward b, channel by channel.
Couleur melange(Couleur a, Couleur b, double t) {
    const auto canal = [&](int d) {
        const double x = composante(a, d) + (double(composante(b, d)) - composante(a, d)) * t;
        return static_cast<int>(std::lround(x));
    };
    return rgb(canal(0), canal(8), canal(16));
}

} // namespace

double luminance_relative(Couleur c) {
    return 0.2126 * lineaire(composante(c, 0)) + 0.7152 * lineaire(composante(c, 8)) +
           0.0722 * lineaire(composante(c, 16));
}

double rapport_contraste(Couleur a, Couleur b) {
    const double la = luminance_relative(a), lb = luminance_relative(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Couleur noir_ou_blanc(Couleur fond) {
    const Couleur noir = rgb(0, 0, 0), blanc = rgb(255, 255, 255);
    return rapport_contraste(blanc, fond) > rapport_contraste(noir, fond) ? blanc : noir;
}

Couleur texte_lisible(Couleur texte, Couleur fond) {
    return rapport_contraste(texte, fond) >= contraste_lisible ? texte : noir_ou_blanc(fond);
}

Couleur texte_inactif(Couleur texte, Couleur fond) {
    const Couleur lisible = texte_lisible(texte, fond);
    // At most two fifths of the way: further, the text would fade into its background.
    for (int cinquantiemes = 20; cinquantiemes > 0; --cinquantiemes) {
        const Couleur c = melange(lisible, fond, cinquantiemes / 50.0);
        if (rapport_contraste(c, fond) >= contraste_lisible) return c;
    }
    return lisible;
}

} // namespace orvan
