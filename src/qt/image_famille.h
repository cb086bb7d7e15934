// The picture of the family that "Exporter l'image…" and `orvan --export` write: the family
// area as the window shows it, without the floating panels, cropped with a margin on white
// paper, and under it a legend of the phenotypes with their colours and patterns.
#pragma once

#include "qt/dessin_famille.h"

#include <QRect>
#include <QSize>

class QPainter;

namespace orvan {

class ImageFamille {
  public:
    ImageFamille(const FenetrePrincipale& f, StyleDessin style);

    // In pixels of a 96 ppi screen. Of a family spread wider than the widest picture, the part
    // around the founders is shown, as large as ever: a whole family a thousand times smaller
    // would show nothing at all.
    QSize taille() const { return taille_; }
    // partie: toute_la_famille, sans_les_individus (with the legend), or one individual alone.
    void dessine(QPainter& p, int partie = toute_la_famille) const;

    const FenetrePrincipale& famille() const { return f_; }

    static constexpr int marge = 16;
    static constexpr int plus_grande_largeur = 4000;

  private:
    void dessine_legende(QPainter& p, QPoint origine) const;
    QSize taille_legende() const;

    const FenetrePrincipale& f_;
    StyleDessin style_;
    QRect famille_; // the part of the family area shown
    QSize taille_;
};

} // namespace orvan
