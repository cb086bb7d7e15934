// The replay of one event line: the window gives the handler of each event (app/rejeu_evenements).
#pragma once

#include "history/evenement.h"

#include <functional>
#include <string>

namespace orvan {

void rejoue_ligne(const std::string& ligne,
                  const std::function<void(const Evenement&)>& rejoue_evenement);

} // namespace orvan
