// The replay of one event line: the window gives the handler of each event (app/rejeu_evenements).
#pragma once

#include "history/evenement.h"

#include <functional>
#include <string>
#include <vector>

namespace orvan {

// `lus` holds the line's events while they are replayed.
void rejoue_ligne(const std::string& ligne, std::vector<Evenement>& lus,
                  const std::function<void(const Evenement&)>& rejoue_evenement);

} // namespace orvan
