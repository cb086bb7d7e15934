// The program's texts on its controls: a control keeps both forms of what the program wrote on
// it, so that a change of language writes every text again and touches nothing else.
#pragma once

#include "ground/textes.h"
#include "ui/fiche.h"

#include <vector>

namespace orvan {

// The caption in language l (a label sizes itself to it).
void ecrit(Controle& c, const Texte& t, Langue l);
// The items of a radio group or a list, or the words of a picture, in language l. A list keeps
// its selection.
void ecrit_items(Controle& c, std::vector<Texte> items, Langue l);
// The hint in language l.
void ecrit_bulle(Controle& c, const Texte& t, Langue l);
// The window's own caption.
void ecrit_titre(Fiche& fenetre, const Texte& t, Langue l);
// Every text that the program wrote on the window and its controls, in language l.
void traduit(Fiche& fenetre, Langue l);

} // namespace orvan
