#include "qt/dessin_scene.h"

#include "qt/conversions_qt.h"
#include "qt/dessin_controles.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace orvan {

namespace {

QRectF zone(const Boite& b) {
    return {b.x, b.y, b.largeur, b.hauteur};
}

// The face the scene was measured in, at its size in units (pixels of the picture).
QFont police_de(const Scene& s, const TexteScene& t) {
    QFont q;
    q.setFamilies(QString::fromStdString(s.police).split(QStringLiteral(", ")));
    q.setPixelSize(std::max(1, static_cast<int>(std::lround(t.taille))));
    q.setBold(t.gras);
    q.setKerning(false);
    return q;
}

void dessine_forme(QPainter& p, const QRectF& r, bool cercle, Couleur remplissage, Motif motif) {
    p.setPen(QPen(Qt::black, epaisseur_trait));
    p.setBrush(couleur_qt(remplissage));
    QPainterPath contour;
    if (cercle)
        contour.addEllipse(r);
    else
        contour.addRect(r);
    p.drawPath(contour);
    if (motif != Motif::aucun)
        dessine_motif(p, contour.toFillPolygon(), motif, encre_du_motif(remplissage, false));
}

} // namespace

void dessine_scene(QPainter& p, const Scene& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, s.largeur, s.hauteur), Qt::white);
    p.setPen(QPen(Qt::black, epaisseur_trait, Qt::SolidLine, Qt::FlatCap));
    for (const TraitScene& t : s.traits)
        p.drawLine(QPointF(t.x1, t.y1), QPointF(t.x2, t.y2));
    for (const SymboleScene& x : s.symboles)
        dessine_forme(p, zone(x.boite), x.sexe == Sexe::femme, x.remplissage, x.motif);
    for (const PaveScene& x : s.paves)
        dessine_forme(p, zone(x.boite), x.cercle, x.remplissage, x.motif);
    p.setPen(QPen(Qt::white, epaisseur_trait));
    p.setBrush(Qt::black);
    for (const PaveScene& x : s.points)
        p.drawEllipse(zone(x.boite));
    p.setPen(Qt::black);
    for (const TexteScene& t : s.textes) {
        const QFont police = police_de(s, t);
        const QString texte = texte_qt(t.texte);
        const double largeur = QFontMetricsF(police).horizontalAdvance(texte);
        const double x = t.ancre == Ancre::debut ? t.x
                         : t.ancre == Ancre::fin ? t.x - largeur
                                                 : t.x - largeur / 2;
        p.setFont(police);
        p.drawText(QPointF(x, t.y), texte);
    }
    p.restore();
}

} // namespace orvan
