// A table of texts in a dialog of its own: headers in the first row and column, a close button.
#pragma once

#include "ground/plateforme.h"

class QWidget;

namespace orvan {

void montre_tableau_qt(QWidget* parent, const DemandeTableau& tableau);

} // namespace orvan
