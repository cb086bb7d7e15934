#include "qt/image_famille.h"

#include "app/scene_fenetre.h"
#include "qt/dessin_scene.h"
#include "scene/compose_scene.h"
#include "scene/svg_scene.h"

#include <cmath>

namespace orvan {

ImageFamille::ImageFamille(const FenetrePrincipale& f, const StyleDessin& style)
    : f_(f),
      donnees_(donnees_de_la_scene(f, {style.motifs, style.numerotation, style.probabilites})),
      scene_(compose_scene(donnees_)) {
    nomme_les_individus(f, scene_, donnees_);
}

QSize ImageFamille::taille() const {
    return {static_cast<int>(std::ceil(scene_.largeur)),
            static_cast<int>(std::ceil(scene_.hauteur))};
}

void ImageFamille::dessine(QPainter& p) const {
    dessine_scene(p, scene_);
}

std::string ImageFamille::svg() const {
    return svg_de_la_scene(scene_, donnees_);
}

} // namespace orvan
