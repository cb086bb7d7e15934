// The start picture, kept in the user's cache once drawn: drawing it was most of the program's
// start (three faces of a serif font to load, gradients and curves), and the picture only
// changes with its size, its words or the program.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <string>
#include <vector>

namespace orvan {

// The picture at that size in device-independent pixels and that pixel ratio: read from the
// cache when it holds one for the same words and the same build of the program, else drawn and
// put there. A cache that cannot be read or written only costs the drawing.
QImage image_depart(QSize taille, qreal ratio, const std::vector<std::string>& textes);

// The file that holds, or would hold, that picture; empty without a cache folder.
QString fichier_image_depart(QSize taille, qreal ratio, const std::vector<std::string>& textes);

} // namespace orvan
