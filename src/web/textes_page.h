// The texts that the page adds to the window's, in the window's language, by the names the
// page's script knows them by.
#pragma once

#include "ground/textes.h"

#include <nlohmann/json.hpp>

namespace orvan {

nlohmann::ordered_json textes_de_la_page(Langue langue);

} // namespace orvan
