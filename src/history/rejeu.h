// The replay of one event line through the handler that wrote it.
#pragma once

#include <string>

namespace orvan {

class FenetrePrincipale;

void rejoue_ligne(FenetrePrincipale& f, const std::string& ligne);

} // namespace orvan
