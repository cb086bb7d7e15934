// Fields in groups, in a dialog of its own: OK asks the core whether it takes them, Cancel
// leaves them, and a third button writes each field's default text back.
#pragma once

#include "ground/plateforme.h"

class QWidget;

namespace orvan {

// True once the core has taken the fields.
bool montre_formulaire_qt(QWidget* parent, const DemandeFormulaire& demande);

} // namespace orvan
