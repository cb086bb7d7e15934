// Enter and Escape on the main window press the default and the cancel button of the open
// panel, through the same click as the mouse, so that they write the same lines to the log.
#pragma once

namespace orvan {

class FenetrePrincipale;

constexpr int touche_entree = 13;
constexpr int touche_echap = 27;

// True when an open panel took the key, even if the button it names could not be pressed (a
// disabled "OK"): the key then goes nowhere else.
bool appuie_bouton_du_panneau(FenetrePrincipale& f, int touche);

} // namespace orvan
