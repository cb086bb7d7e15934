// The probabilities as the pupil reads them.
#pragma once

#include "ground/textes.h"
#include "probabilites/moteur_probabilites.h"

#include <string>

namespace orvan {

// "2/3".
std::string fraction(const Rationnel& p);
// "2/3 (67 %)", "1", "0".
Texte fraction_et_pourcentage(const Rationnel& p);
// What the family shows that cannot be, naming the individual.
Texte message_contradiction(const Contradiction& c, const std::string& nom_individu);

} // namespace orvan
