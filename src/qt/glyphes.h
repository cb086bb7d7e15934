// The small pictures on buttons.
#pragma once

#include "ui/controles.h"

#include <QIcon>

namespace orvan {

// The style's own icon for the usual actions; the up arrow is ours. Null icon for none.
// Needs a QApplication; icons are kept for the life of the program.
QIcon icone_glyphe(Glyphe g);

} // namespace orvan
