// Where a label's text is drawn, and in which lines and font: the same in the window, the print
// and the exported pictures.
#pragma once

#include "ui/controles.h"

#include <QFont>
#include <QRect>
#include <QString>

namespace orvan {

struct DispositionEtiquette {
    QRect zone; // in the parent's coordinates
    QString texte;
    QFont police;
};

// A label that sits on a symbol and is wider than it ("[AB,Rh-]" on a symbol of 35) is broken
// after its commas and centred on the symbol, in a smaller font if a line is still too wide;
// any other label keeps its own place and text.
DispositionEtiquette dispose_etiquette(const Label& l, const QString& texte, const QFont& police);

} // namespace orvan
