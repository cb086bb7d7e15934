// The picture shown while the program starts: a small family tree over three generations under
// the title, drawn rather than stored so that it stays sharp at any scale.
#pragma once

#include <QPainter>
#include <QRectF>

#include <string>
#include <vector>

namespace orvan {

// Designed at 446 x 410 and scaled to the zone. textes: the title, the line under it, then the
// legend's man, woman, affected and carrier, in the program's language.
void dessine_image_depart(QPainter& p, const QRectF& zone, const std::vector<std::string>& textes);

} // namespace orvan
