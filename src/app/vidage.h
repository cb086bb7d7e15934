// The headless mode: replays a .gen file without any window and prints the family as JSON.
#pragma once

#include "probabilites/a_priori.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace orvan {

class FenetrePrincipale;

// probabilites: each individual gains "probabilites", its genotypes' under that prior.
std::string etat_json(const FenetrePrincipale& f,
                      std::optional<APriori> probabilites = std::nullopt);
// Returns the process exit code: 0, or 1 when the file cannot be opened.
int vidage(const std::string& fichier, std::ostream& sortie, std::ostream& erreurs,
           std::optional<APriori> probabilites = std::nullopt);

} // namespace orvan
