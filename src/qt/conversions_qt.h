// The bridges between the core's plain values and Qt's: text, colours, fonts, mouse buttons,
// cursors. Widgets and the platform both go through these, so that a label measured by the core
// is drawn in exactly the font it was measured in.
#pragma once

#include "ui/controles.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <Qt>

#include <optional>
#include <string>

namespace orvan {

// UTF-8 to QString; the core's "\r" and "\r\n" line breaks become "\n".
QString texte_qt(const std::string& texte);
std::string texte_core(const QString& texte);

QColor couleur_qt(Couleur c);
Couleur couleur_core(const QColor& c);

// The one font of a control: the layout of the window is in fixed pixels, so the size is in
// pixels too (points at 96 dots per inch), whatever the screen's resolution.
QFont police_qt(const Police& police);

std::optional<Bouton> bouton_core(Qt::MouseButton bouton);
Qt::CursorShape curseur_qt(Curseur curseur);

} // namespace orvan
