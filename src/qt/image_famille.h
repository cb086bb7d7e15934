// The picture of the family that "Exporter l'image…" and `orvan --export` write: the core's
// scene of the pedigree (title, generations, texts in their columns, legend), white paper.
#pragma once

#include "qt/dessin_famille.h"
#include "scene/donnees_scene.h"
#include "scene/scene.h"

#include <QSize>

#include <string>

class QPainter;

namespace orvan {

class ImageFamille {
  public:
    ImageFamille(const FenetrePrincipale& f, const StyleDessin& style);

    // In pixels of a 96 ppi screen, the scene's units.
    QSize taille() const;
    void dessine(QPainter& p) const;
    std::string svg() const;

    const FenetrePrincipale& famille() const { return f_; }
    const Scene& scene() const { return scene_; }

  private:
    const FenetrePrincipale& f_;
    DonneesScene donnees_;
    Scene scene_;
};

} // namespace orvan
