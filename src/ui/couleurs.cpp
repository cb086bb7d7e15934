#include "ui/couleurs.h"

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

} // namespace orvan
