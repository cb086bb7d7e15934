// The scene as an SVG document, written by the core: the lines, then one group per individual
// (its id, its title and description for a reader, its symbol and its texts as text elements
// with their position, size, face and anchor, no transform), the title, the numbers of the
// generations and the legend. Any reader of SVG, a browser included, shows the same picture.
#pragma once

#include "scene/donnees_scene.h"
#include "scene/scene.h"

#include <string>

namespace orvan {

std::string svg_de_la_scene(const Scene& scene, const DonneesScene& donnees);

} // namespace orvan
