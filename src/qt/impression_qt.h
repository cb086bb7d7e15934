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

// The widget and its visible children painted over its background, echelle pixels for each
// of its screen pixels whatever the screen's own scale: drawn again that much finer, not
// enlarged.
// A child whose property hors_capture is true is left out.
Capture capture_widget(QWidget& widget, int echelle = 1);
constexpr const char* hors_capture = "orvan_hors_capture";
// The scale a printed window is captured at: twice the screen's pixels, or the screen's
// own ratio when it is finer, so that the page is sharp on paper and on any screen.
int echelle_d_impression(const QWidget& widget);
constexpr int echelle_capture_max = 4;

// A view of the capture's pixels, valid while the capture lives; its device pixel ratio is
// the capture's scale, so that it is drawn at the window's size.
QImage image_qt(const Capture& capture);

// The print background: a built-in 10 x 10 bitmap stretched over the zone.
void dessine_fond_impression(QPainter& p, const QRect& zone);

// The page at the top left corner, the window as wide as the printable width (or as high as
// the page when that is shorter); false when the device refuses it.
bool dessine_page(QPagedPaintDevice& imprimante, const Capture& page);
ResultatImpression imprime_par_defaut(const Capture& page);
bool ecrit_pdf(const Capture& page, const QString& chemin);

} // namespace orvan
