// A window's controls as the page mirrors them: each control's kind, place and texts, and what
// its kind adds (a radio group's items, a tick, a list's lines...), in creation order, which is
// also the order in which they stack.
#pragma once

#include "ui/fiche.h"

#include <nlohmann/json.hpp>
#include <set>

namespace orvan {

// The controls that the page leaves out since it draws them otherwise (the pedigree's, drawn
// from the scene).
nlohmann::ordered_json controles_json(const Fiche& fiche, const std::set<const Controle*>& omis);
// The window itself: its name, caption, size, colour, whether it shows, and its controls.
nlohmann::ordered_json fiche_json(const Fiche& fiche, const std::set<const Controle*>& omis = {});

} // namespace orvan
