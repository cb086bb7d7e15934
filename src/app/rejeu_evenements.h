// The replay of one event through the handler that wrote it.
#pragma once

#include "history/evenement.h"

namespace orvan {

class FenetrePrincipale;

void rejoue_evenement(FenetrePrincipale& f, const Evenement& e);

} // namespace orvan
