// What the scene is made from: the family, the legend's names and colours, the options of the
// menu "Affichage" and the texts that only the subsystems above can write (the carrier
// probabilities, the names a screen reader gives the individuals).
#pragma once

#include "famille/famille.h"
#include "ground/couleurs.h"

#include <array>
#include <string>
#include <vector>

namespace orvan {

struct DonneesScene {
    const Famille* famille = nullptr;
    std::string titre;
    std::string sous_titre; // the name of the file read, if any
    // The legend's entries 1.. (index 0 is entry 1): the first nb_entrees_gene1 are the first
    // gene's phenotypes, which fill the symbols; the others the second gene's, which fill a
    // band under them.
    std::vector<std::string> noms_legende;
    std::vector<Couleur> couleurs_legende;
    int nb_entrees_gene1 = 0;
    bool motifs = false;
    bool numerotation = false;
    // Per individual: the lines of its carrier probabilities, each naming its gene (none when
    // they are not shown), and whether it is a carrier for sure.
    std::array<std::vector<std::string>, max_individus + 1> probabilites{};
    std::array<bool, max_individus + 1> porteur_certain{};
    // Per individual: what a reader of the picture is told of it (the SVG's titles), in the
    // picture's numbering.
    std::array<std::string, max_individus + 1> noms{};
    std::array<std::string, max_individus + 1> descriptions{};
    // Per union, how far the pupil slid its sibship sideways in all.
    std::array<double, max_unions + 1> decalages_fratries{};
};

} // namespace orvan
