#include "qt/glyphes.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <map>

namespace orvan {

namespace {

// A plump arrow pointing up, warm enough to catch the eye over the pale window.
QIcon fleche_haut() {
    QIcon icone;
    for (int cote : {16, 24, 32, 48}) {
        QPixmap pm(cote, cote);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(cote / 32.0, cote / 32.0);
        QPainterPath fleche;
        fleche.moveTo(16, 2);
        fleche.lineTo(30, 17);
        fleche.lineTo(21, 17);
        fleche.lineTo(21, 30);
        fleche.lineTo(11, 30);
        fleche.lineTo(11, 17);
        fleche.lineTo(2, 17);
        fleche.closeSubpath();
        QLinearGradient degrade(0, 2, 0, 30);
        degrade.setColorAt(0, QColor(240, 110, 70));
        degrade.setColorAt(1, QColor(196, 60, 40));
        p.setBrush(degrade);
        p.setPen(QPen(QColor(120, 35, 20), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(fleche);
        icone.addPixmap(pm);
    }
    return icone;
}

QIcon charge(Glyphe g) {
    const QStyle* style = QApplication::style();
    switch (g) {
    case Glyphe::ok:
        return style->standardIcon(QStyle::SP_DialogOkButton);
    case Glyphe::annuler:
        return style->standardIcon(QStyle::SP_DialogCancelButton);
    case Glyphe::fermer:
    case Glyphe::quitter:
        return style->standardIcon(QStyle::SP_DialogCloseButton);
    case Glyphe::ouvrir:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case Glyphe::fleche_haut:
        return fleche_haut();
    case Glyphe::aucun:
        break;
    }
    return {};
}

} // namespace

QIcon icone_glyphe(Glyphe g) {
    // Loading an icon reads its pictures: each is loaded once, for all the buttons showing it.
    static std::map<Glyphe, QIcon> icones;
    const auto it = icones.find(g);
    if (it != icones.end()) return it->second;
    return icones.emplace(g, charge(g)).first->second;
}

QPixmap lit_png(const QString& chemin) {
    QImageReader lecteur(chemin, "png");
    lecteur.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(lecteur.read());
}

} // namespace orvan
