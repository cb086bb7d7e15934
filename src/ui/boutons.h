// The buttons of the panels: all 25 pixels high, with a glyph beside their text.
#pragma once

#include "ground/textes.h"
#include "ui/fiche.h"
#include "ui/textes_controles.h"

namespace orvan {

struct Emplacement {
    int left = 0, top = 0, width = 0;
};

inline BoutonGlyphe& cree_bouton(Fiche& f, Controle* parent, const char* nom, const char* texte,
                                 Emplacement e, Glyphe glyphe = Glyphe::aucun) {
    BoutonGlyphe& b = f.cree<BoutonGlyphe>(parent, nom);
    b.caption = texte;
    b.left = e.left;
    b.top = e.top;
    b.width = e.width;
    b.height = 25;
    b.glyphe = glyphe;
    return b;
}

// A button whose text is the program's: made in French, as every window starts.
inline BoutonGlyphe& cree_bouton(Fiche& f, Controle* parent, const char* nom, const Texte& texte,
                                 Emplacement e, Glyphe glyphe = Glyphe::aucun) {
    BoutonGlyphe& b = cree_bouton(f, parent, nom, "", e, glyphe);
    ecrit(b, texte, Langue::francais);
    return b;
}

} // namespace orvan
