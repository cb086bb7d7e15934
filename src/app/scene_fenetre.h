// The scene of the main window's family: the options of the menu "Affichage" as given, the
// legend's names and colours as the colour panel holds them, the carrier probabilities computed
// under the prior asked for.
#pragma once

#include "probabilites/a_priori.h"
#include "scene/donnees_scene.h"
#include "scene/scene.h"

#include <optional>

namespace orvan {

class FenetrePrincipale;

struct OptionsScene {
    bool motifs = false;
    bool numerotation = false;
    std::optional<APriori> probabilites; // none: not shown
};

// The options that the window's menu has ticked.
OptionsScene options_de_la_fenetre(const FenetrePrincipale& f);
// It points into f's family: f must outlive it.
DonneesScene donnees_de_la_scene(const FenetrePrincipale& f, const OptionsScene& options);
// What a reader of the picture is told of each individual, its relatives named by their
// numbers in the scene.
void nomme_les_individus(const FenetrePrincipale& f, const Scene& scene, DonneesScene& d);

} // namespace orvan
