// The picture of the family written into a file: PNG at twice the screen's resolution unless
// asked otherwise, SVG and PDF as vector drawings. A file is written whole or not at all: the
// picture goes into a temporary file beside it, which takes its name only once complete.
#pragma once

#include "ground/textes.h"

#include <QString>

#include <optional>

namespace orvan {

class ImageFamille;

enum class FormatImage { png, svg, pdf };

// From the file name's extension, whatever its case.
std::optional<FormatImage> format_du_fichier(const QString& chemin);
QString extension(FormatImage format);

// How many pixels of the PNG stand for one pixel of a 96 ppi screen.
constexpr int echelle_png_defaut = 2;
constexpr int echelle_png_max = 8;
// What the window's save dialog offers.
constexpr int echelle_png_dialogue_max = 4;

// Empty when the picture was written; else why not, in a sentence for the user. echelle_png is
// brought within 1..echelle_png_max.
std::optional<Texte> ecrit_image(const ImageFamille& image, const QString& chemin,
                                 FormatImage format, int echelle_png = echelle_png_defaut);

} // namespace orvan
