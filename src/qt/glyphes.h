// The small pictures on buttons and of the window.
#pragma once

#include "ui/controles.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace orvan {

// The style's own icon for the usual actions; the up arrow is ours. Null icon for none.
// Needs a QApplication; icons are kept for the life of the program.
QIcon icone_glyphe(Glyphe g);

// A PNG file read as PNG, without the guess of its format that loads every image plugin
// (`QIcon::addFile` guesses). Null when it cannot be read.
QPixmap lit_png(const QString& chemin);

} // namespace orvan
