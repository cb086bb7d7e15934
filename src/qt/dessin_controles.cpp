#include "qt/dessin_controles.h"

#include "ground/couleurs.h"
#include "qt/conversions_qt.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace orvan {

namespace {

constexpr double ecart_motif = 6.0;

// The part of a segment inside a convex outline, if any.
std::optional<QLineF> dans_le_contour(const QLineF& s, const QPolygonF& contour) {
    double aire = 0;
    for (qsizetype i = 0; i < contour.size(); ++i) {
        const QPointF a = contour[i], b = contour[(i + 1) % contour.size()];
        aire += a.x() * b.y() - b.x() * a.y();
    }
    const QPointF d = s.p2() - s.p1();
    double entree = 0, sortie = 1;
    for (qsizetype i = 0; i < contour.size(); ++i) {
        const QPointF a = contour[i], b = contour[(i + 1) % contour.size()];
        // The edge's normal toward the inside.
        const QPointF n = aire > 0 ? QPointF(a.y() - b.y(), b.x() - a.x())
                                   : QPointF(b.y() - a.y(), a.x() - b.x());
        const double depart = QPointF::dotProduct(n, s.p1() - a);
        const double pente = QPointF::dotProduct(n, d);
        if (pente == 0) {
            if (depart < 0) return std::nullopt;
            continue;
        }
        const double t = -depart / pente;
        if (pente > 0)
            entree = std::max(entree, t);
        else
            sortie = std::min(sortie, t);
    }
    if (entree >= sortie) return std::nullopt;
    return QLineF(s.pointAt(entree), s.pointAt(sortie));
}

// Parallel lines across the outline, one through its centre, in the direction (dx, dy).
std::vector<QLineF> hachures(const QPolygonF& contour, double dx, double dy) {
    const QRectF b = contour.boundingRect();
    const QPointF centre = b.center();
    const double rayon = std::hypot(b.width(), b.height()) / 2 + 1;
    const double norme = std::hypot(dx, dy);
    const QPointF dir(dx / norme, dy / norme), normale(-dir.y(), dir.x());
    std::vector<QLineF> lignes;
    const int n = static_cast<int>(std::ceil(rayon / ecart_motif));
    for (int i = -n; i <= n; ++i) {
        const QPointF m = centre + normale * (i * ecart_motif);
        if (auto l = dans_le_contour(QLineF(m - dir * rayon, m + dir * rayon), contour))
            lignes.push_back(*l);
    }
    return lignes;
}

// Each line cut into dashes of 3 pixels every 5.
std::vector<QLineF> en_tirets(const std::vector<QLineF>& lignes) {
    std::vector<QLineF> tirets;
    for (const QLineF& l : lignes)
        for (double x = 0; x < l.length(); x += 5)
            tirets.emplace_back(l.pointAt(x / l.length()),
                                l.pointAt(std::min(x + 3, l.length()) / l.length()));
    return tirets;
}

QPolygonF reduit(const QPolygonF& contour, double facteur) {
    const QPointF c = contour.boundingRect().center();
    QPolygonF r;
    for (const QPointF& p : contour)
        r << c + (p - c) * facteur;
    return r;
}

void dessine_points(QPainter& p, const QPolygonF& contour, const QColor& encre) {
    const QRectF b = contour.boundingRect();
    const QPointF c = b.center();
    const int n = static_cast<int>(std::ceil(std::max(b.width(), b.height()) / 2 / ecart_motif));
    p.setPen(Qt::NoPen);
    p.setBrush(encre);
    for (int i = -n; i <= n; ++i)
        for (int j = -n; j <= n; ++j) {
            // Every other row shifted by half a step.
            const double decalage = i % 2 == 0 ? 0 : ecart_motif / 2;
            const QPointF point(c.x() + j * ecart_motif + decalage, c.y() + i * ecart_motif);
            if (contour.containsPoint(point, Qt::OddEvenFill)) p.drawEllipse(point, 1.1, 1.1);
        }
}

void dessine_moitie(QPainter& p, const QPolygonF& contour, const QColor& encre) {
    const QRectF b = contour.boundingRect();
    const QPolygonF bas = contour.intersected(QPolygonF(b.adjusted(0, b.height() / 2, 0, 0)));
    QColor voile = encre;
    voile.setAlphaF(encre.alphaF() * 0.5f);
    p.setPen(Qt::NoPen);
    p.setBrush(voile);
    p.drawPolygon(bas);
}

std::vector<QLineF> lignes_du_motif(const QPolygonF& contour, Motif motif) {
    std::vector<QLineF> lignes;
    const auto ajoute = [&](double dx, double dy) {
        const auto h = hachures(contour, dx, dy);
        lignes.insert(lignes.end(), h.begin(), h.end());
    };
    switch (motif) {
    case Motif::obliques:
        ajoute(1, -1);
        break;
    case Motif::contre_obliques:
        ajoute(1, 1);
        break;
    case Motif::horizontales:
        ajoute(1, 0);
        break;
    case Motif::verticales:
        ajoute(0, 1);
        break;
    case Motif::croisillons:
        ajoute(1, -1);
        ajoute(1, 1);
        break;
    case Motif::quadrillage:
        ajoute(1, 0);
        ajoute(0, 1);
        break;
    case Motif::tirets:
        lignes = en_tirets(hachures(contour, 1, 0));
        break;
    default:
        break;
    }
    return lignes;
}

// Over a pattern, a text keeps a rim of its background around each letter, so that the lines
// never run into it.
void detoure_texte(QPainter& p, const QRect& zone, const QString& texte, Couleur fond) {
    if (texte.contains(QLatin1Char('\n'))) return;
    const QFontMetricsF fm(p.font());
    QPainterPath chemin;
    chemin.addText(QPointF(zone.left(), zone.top() + fm.ascent()), p.font(), texte);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(chemin, QPen(couleur_qt(fond), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.restore();
}

} // namespace

QColor encre_du_motif(Couleur fond, bool sous_un_texte) {
    QColor c = couleur_qt(noir_ou_blanc(fond));
    c.setAlphaF(sous_un_texte ? 0.4f : 0.8f);
    return c;
}

void dessine_motif(QPainter& p, const QPolygonF& contour, Motif motif, const QColor& encre) {
    if (motif == Motif::aucun || contour.size() < 3) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (motif == Motif::points) {
        dessine_points(p, contour, encre);
    } else if (motif == Motif::moitie) {
        dessine_moitie(p, contour, encre);
    } else if (motif == Motif::anneau) {
        p.setPen(QPen(encre, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(reduit(contour, 0.55));
    } else {
        p.setPen(QPen(encre, 1.0, Qt::SolidLine, Qt::FlatCap));
        const auto lignes = lignes_du_motif(contour, motif);
        p.drawLines(lignes.data(), static_cast<int>(lignes.size()));
    }
    p.restore();
}

AspectSymbole aspect_symbole(const Forme& f, Motif motif) {
    return {f.contour, f.remplissage, motif, f.mis_en_evidence};
}

AspectEtiquette aspect_etiquette(const Label& l, Motif motif) {
    return aspect_etiquette(l, motif, texte_qt(l.caption));
}

AspectEtiquette aspect_etiquette(const Label& l, Motif motif, QString texte) {
    return {std::move(texte), l.transparent, l.fond,    l.couleur_texte,
            l.centre,         l.autosize,    l.enabled, motif};
}

Couleur couleur_dessous(const Controle& c, Couleur fond_fenetre) {
    for (const Controle* p = c.parent; p; p = p->parent) {
        if (const auto* pa = dynamic_cast<const Panel*>(p)) return pa->fond;
        if (const auto* g = dynamic_cast<const Groupe*>(p); g && g->fond) return *g->fond;
    }
    return fond_fenetre;
}

AspectLigne aspect_ligne(const Panel& pa) {
    return {pa.fond, texte_qt(pa.caption)};
}

void dessine_symbole(QPainter& p, const QRect& zone, const AspectSymbole& a) {
    p.setRenderHint(QPainter::Antialiasing);
    const double trait = a.mis_en_evidence ? 4 : 1;
    p.setPen(QPen(a.mis_en_evidence ? QColor(200, 0, 0) : QColor(Qt::black), trait));
    p.setBrush(couleur_qt(a.remplissage));
    // The outline stays inside the control, on whole pixels.
    const QRectF r = QRectF(zone).adjusted(trait / 2, trait / 2, -trait / 2, -trait / 2);
    if (a.contour == Contour::cercle)
        p.drawEllipse(r);
    else
        p.drawRect(r);
    if (a.motif == Motif::aucun) return;
    // Inside the outline, which stays clean.
    const QRectF dedans = r.adjusted(1, 1, -1, -1);
    QPolygonF contour(dedans);
    if (a.contour == Contour::cercle) {
        QPainterPath cercle;
        cercle.addEllipse(dedans);
        contour = cercle.toFillPolygon();
    }
    dessine_motif(p, contour, a.motif, encre_du_motif(a.remplissage, false));
}

void dessine_etiquette(QPainter& p, const QRect& zone, const AspectEtiquette& a,
                       const QFont& police) {
    if (!a.transparent) {
        p.fillRect(zone, couleur_qt(a.fond));
        dessine_motif(p, QPolygonF(QRectF(zone)), a.motif, encre_du_motif(a.fond, true));
    }
    p.setFont(police);
    const bool sur_plusieurs_lignes = a.texte.contains(QLatin1Char('\n'));
    const int alignement = a.centre && !a.autosize
                               ? Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap
                           : sur_plusieurs_lignes ? Qt::AlignHCenter | Qt::AlignTop
                                                  : Qt::AlignLeft | Qt::AlignTop;
    if (a.transparent && !a.actif) {
        // Greyed and etched over what lies beneath: the pupil sees at a glance what can no
        // longer be clicked, and can still read it.
        p.setPen(Qt::white);
        p.drawText(zone.translated(1, 1), alignement, a.texte);
        p.setPen(couleur_qt(texte_inactif(a.couleur_texte, a.dessous)));
    } else if (a.transparent) {
        p.setPen(couleur_qt(a.couleur_texte));
    } else {
        // Over its own background the text must stay readable, enabled or not.
        if (a.motif != Motif::aucun && alignement == (Qt::AlignLeft | Qt::AlignTop))
            detoure_texte(p, zone, a.texte, a.fond);
        p.setPen(couleur_qt(a.actif ? texte_lisible(a.couleur_texte, a.fond)
                                    : texte_inactif(a.couleur_texte, a.fond)));
    }
    p.drawText(zone, alignement, a.texte);
}

void dessine_ligne(QPainter& p, const QRect& zone, const AspectLigne& a, const QFont& police) {
    p.fillRect(zone, couleur_qt(a.fond));
    // A panel large enough to hold something gets a fine edge; a line stays a plain line.
    if (zone.width() > 10 && zone.height() > 10) {
        p.setPen(couleur_qt(a.fond).darker(140));
        p.drawRect(zone.adjusted(0, 0, -1, -1));
    }
    if (!a.texte.isEmpty()) {
        p.setPen(Qt::black);
        p.setFont(police);
        p.drawText(zone, Qt::AlignCenter, a.texte);
    }
}

} // namespace orvan
