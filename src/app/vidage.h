// The headless mode: replays a .gen file without any window and prints the family as JSON.
#pragma once

#include "ground/textes.h"
#include "probabilites/a_priori.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace orvan {

class FenetrePrincipale;

// The family as JSON, its log last; written as it goes, without a copy of the log.
// probabilites: each individual gains "probabilites", its genotypes' under that prior.
void ecrit_etat_json(const FenetrePrincipale& f, std::ostream& sortie,
                     std::optional<APriori> probabilites = std::nullopt);
std::string etat_json(const FenetrePrincipale& f,
                      std::optional<APriori> probabilites = std::nullopt);
// Opens the family of a file without a window, its messages in that language, and gives it to
// traite, whose result is the process exit code; 1 when the file cannot be opened.
int avec_la_famille_du_fichier(const std::string& fichier, std::ostream& erreurs, Langue messages,
                               const std::function<int(FenetrePrincipale&)>& traite);
// Returns the process exit code: 0, or 1 when the file cannot be opened.
// The family is written as the French window holds it, whatever the language of the messages.
int vidage(const std::string& fichier, std::ostream& sortie, std::ostream& erreurs,
           Langue messages = Langue::francais, std::optional<APriori> probabilites = std::nullopt);

} // namespace orvan
