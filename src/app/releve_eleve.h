// A pupil's saved family, replayed on a window, as the teacher's table reads it.
#pragma once

#include "app/classe.h"

#include <string>

namespace orvan {

class FenetrePrincipale;

// The family on the window and the log it was replayed from, saved as `chemin`.
EleveReleve releve_eleve(const FenetrePrincipale& f, const std::string& chemin);

} // namespace orvan
