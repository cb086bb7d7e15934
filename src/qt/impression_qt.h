// Pictures of windows and their printing with Qt: the capture of a widget, the page on the
// default printer, and the same page written as a PDF file.
#pragma once

#include "ground/capture.h"

#include <QImage>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QRect;
class QWidget;

namespace orvan {

// The widget and its visible children painted over its background, at its size in screen
// pixels whatever the screen's scale.
Capture capture_widget(QWidget& widget);

// A view of the capture's pixels, valid while the capture lives.
QImage image_qt(const Capture& capture);

// The print background: a built-in 10 x 10 bitmap stretched over the zone.
void dessine_fond_impression(QPainter& p, const QRect& zone);

// The page at the top left corner, as large as on a 96 ppi screen; false when the device
// refuses it.
bool dessine_page(QPagedPaintDevice& imprimante, const Capture& page);
ResultatImpression imprime_par_defaut(const Capture& page);
bool ecrit_pdf(const Capture& page, const QString& chemin);

} // namespace orvan
