#include "ui/motifs.h"

#include "ground/texte.h"

#include <array>

namespace orvan {

Motif motif_de_l_entree(int i) {
    static constexpr std::array<Motif, 10> motifs = {
        Motif::obliques,    Motif::contre_obliques, Motif::horizontales, Motif::verticales,
        Motif::croisillons, Motif::quadrillage,     Motif::points,       Motif::anneau,
        Motif::moitie,      Motif::tirets};
    return i >= 1 && i <= 10 ? motifs[static_cast<std::size_t>(i - 1)] : Motif::aucun;
}

int entree_du_symbole(const std::string& etiquette, const std::vector<std::string>& noms) {
    int entree = 0;
    for (std::size_t j = 0; j < noms.size(); ++j)
        if (contient(etiquette, "[" + noms[j] + "]") || contient(etiquette, "[" + noms[j] + ","))
            entree = static_cast<int>(j) + 1;
    return entree;
}

int entree_du_fond(const std::string& etiquette, const std::vector<std::string>& noms) {
    int entree = 0;
    for (std::size_t j = 0; j < noms.size(); ++j)
        if (contient(etiquette, "," + noms[j] + "]")) entree = static_cast<int>(j) + 1;
    return entree;
}

} // namespace orvan
