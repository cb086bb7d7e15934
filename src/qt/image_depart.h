// The picture shown while the program starts: a small family tree over three generations under
// the title, drawn rather than stored so that it stays sharp at any scale.
#pragma once

#include <QPainter>
#include <QRectF>

namespace orvan {

// Designed at 446 x 410 and scaled to the zone.
void dessine_image_depart(QPainter& p, const QRectF& zone);

} // namespace orvan
