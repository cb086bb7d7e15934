// The three plots of the class statistics, described for the module that draws them: observed
// against expected per cell, the running proportion of one phenotype as families accumulate, and
// the calibration of the carrier probabilities against the diagonal.
#pragma once

#include "ground/textes.h"
#include "qt/traceur_graphiques.h"
#include "statistiques/comparaison.h"
#include "statistiques/series.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace orvan {

// Each plot's texts in the language of `textes`.
Graphique graphique_comparaison(const Comparaison& c, const Texte& titre, const Traduction& textes);
// attendue: the proportion expected in the long run, drawn as a line when known.
Graphique graphique_proportion(const std::vector<double>& proportions, const QString& phenotype,
                               std::optional<double> attendue, const Traduction& textes);
Graphique graphique_calibration(const std::vector<GroupeCalibration>& groupes,
                                const Traduction& textes);

// The plot as a PNG at twice its size on screen, or as SVG, from the name's extension. Empty
// when written, else why not.
std::optional<Texte> enregistre_graphique(QWidget& vue, const QString& chemin);

// "0 famille" but "0 families": French keeps the singular under two.
Texte compte(std::size_t n, const Texte& un, const Texte& plusieurs);

} // namespace orvan
