// The core's scene of the pedigree on any painter, in the scene's units: the exported PNG and
// PDF are the very picture the SVG describes.
#pragma once

#include "scene/scene.h"

class QPainter;

namespace orvan {

void dessine_scene(QPainter& p, const Scene& scene);

} // namespace orvan
