#include "qt/image_depart.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace orvan {

namespace {

constexpr qreal largeur = 446;
constexpr qreal hauteur = 410;
constexpr qreal cote = 34; // size of a symbol

const QColor encre(61, 74, 92);
const QColor atteint(214, 124, 98);
const QColor sain(252, 250, 240);
const QColor titre_couleur(47, 93, 98);
const QColor brin_a(70, 140, 150);
const QColor brin_b(214, 124, 98);

enum class Etat { sain, atteint, porteur };

// A fixed small waver, so that strokes look drawn by hand and never change between runs.
qreal tremble(qreal x, qreal y) {
    return 1.3 * std::sin(x * 0.071 + y * 0.113);
}

// A line drawn by hand: slightly bowed, in one stroke.
void trait(QPainter& p, QPointF a, QPointF b) {
    QPainterPath chemin(a);
    const QPointF milieu = (a + b) / 2;
    const QPointF d = b - a;
    const qreal longueur = std::hypot(d.x(), d.y());
    if (longueur < 1) return;
    const QPointF normale(-d.y() / longueur, d.x() / longueur);
    chemin.quadTo(milieu + normale * tremble(milieu.x(), milieu.y()), b);
    p.drawPath(chemin);
}

void ombre(QPainter& p, const QRectF& r, bool cercle) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 30, 38));
    const QRectF o = r.translated(2.5, 3);
    if (cercle)
        p.drawEllipse(o);
    else
        p.drawRoundedRect(o, 3, 3);
}

void symbole(QPainter& p, QPointF centre, bool homme, Etat etat, qreal taille = cote) {
    const QRectF r(centre.x() - taille / 2, centre.y() - taille / 2, taille, taille);
    ombre(p, r, !homme);
    QRadialGradient eclat(r.topLeft() + QPointF(taille * 0.3, taille * 0.3), taille);
    const QColor base = etat == Etat::atteint ? atteint : sain;
    eclat.setColorAt(0, base.lighter(112));
    eclat.setColorAt(1, base);
    p.setBrush(eclat);
    p.setPen(QPen(encre, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (homme)
        p.drawRoundedRect(r, 3, 3);
    else
        p.drawEllipse(r);
    if (etat == Etat::porteur) {
        p.setPen(Qt::NoPen);
        p.setBrush(atteint);
        p.drawEllipse(centre, taille * 0.17, taille * 0.17);
    }
}

void fond(QPainter& p) {
    const QRectF cadre(3, 3, largeur - 6, hauteur - 6);
    QLinearGradient degrade(cadre.topLeft(), cadre.bottomLeft());
    degrade.setColorAt(0, QColor(253, 252, 243));
    degrade.setColorAt(1, QColor(242, 240, 219));
    p.setPen(QPen(QColor(185, 181, 143), 1.5));
    p.setBrush(degrade);
    p.drawRoundedRect(cadre, 12, 12);
}

// Text i of the picture's words; empty when the core gave fewer.
QString mot(const std::vector<std::string>& textes, std::size_t i) {
    return i < textes.size() ? QString::fromStdString(textes[i]) : QString();
}

void titre(QPainter& p, const std::vector<std::string>& textes) {
    QFont f;
    f.setFamilies({QStringLiteral("P052"), QStringLiteral("Palatino"), QStringLiteral("C059"),
                   QStringLiteral("DejaVu Serif")});
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(31);
    f.setBold(true);
    p.setFont(f);
    const QRectF zone(0, 16, largeur, 42);
    const QString texte = mot(textes, 0);
    p.setPen(QColor(0, 0, 0, 40));
    p.drawText(zone.translated(1.5, 2), Qt::AlignHCenter | Qt::AlignVCenter, texte);
    p.setPen(titre_couleur);
    p.drawText(zone, Qt::AlignHCenter | Qt::AlignVCenter, texte);

    // A light flourish under the title.
    QPainterPath arabesque(QPointF(133, 66));
    arabesque.cubicTo(QPointF(183, 58), QPointF(263, 76), QPointF(313, 64));
    p.setPen(QPen(brin_b, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arabesque);

    f.setBold(false);
    f.setItalic(true);
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(QColor(110, 105, 80));
    p.drawText(QRectF(0, 70, largeur, 20), Qt::AlignHCenter, mot(textes, 1));
}

void generations(QPainter& p) {
    QFont f;
    f.setFamilies({QStringLiteral("P052"), QStringLiteral("C059"), QStringLiteral("DejaVu Serif")});
    f.setStyleHint(QFont::Serif);
    f.setItalic(true);
    f.setPixelSize(16);
    p.setFont(f);
    p.setPen(QColor(150, 140, 100));
    const char* chiffres[] = {"I", "II", "III"};
    const qreal hauteurs[] = {128, 210, 292};
    for (int i = 0; i < 3; ++i)
        p.drawText(QRectF(14, hauteurs[i] - 10, 36, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(chiffres[i]));
}

// Three generations of a trait carried on the X chromosome: an affected grandfather, a carrier
// daughter, and among her children an affected son and a carrier daughter.
// porteuses: the daughters who carry the grandfather's allele are drawn as carriers.
void arbre(QPainter& p, bool porteuses) {
    const Etat porteuse = porteuses ? Etat::porteur : Etat::sain;
    const qreal g1 = 128, g2 = 210, g3 = 292;
    const qreal demi = cote / 2;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(encre, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // Grandparents and their children.
    trait(p, {173 + demi, g1}, {273 - demi, g1});
    trait(p, {223, g1}, {223, 172});
    trait(p, {103, 172}, {293, 172});
    for (qreal x : {103.0, 198.0, 293.0})
        trait(p, {x, 172}, {x, g2 - demi});

    // The daughter's marriage and her children.
    trait(p, {293 + demi, g2}, {383 - demi, g2});
    trait(p, {338, g2}, {338, 254});
    trait(p, {278, 254}, {398, 254});
    for (qreal x : {278.0, 338.0, 398.0})
        trait(p, {x, 254}, {x, g3 - demi});

    symbole(p, {173, g1}, true, Etat::atteint);
    symbole(p, {273, g1}, false, Etat::sain);
    symbole(p, {103, g2}, true, Etat::sain);
    symbole(p, {198, g2}, true, Etat::sain);
    symbole(p, {293, g2}, false, porteuse);
    symbole(p, {383, g2}, true, Etat::sain);
    symbole(p, {278, g3}, true, Etat::atteint);
    symbole(p, {338, g3}, false, porteuse);
    symbole(p, {398, g3}, true, Etat::sain);
}

// A short double helix in the free corner.
void helice(QPainter& p) {
    const qreal x0 = 52, x1 = 222, y = 292, amplitude = 17;
    const int pas = 68;
    QPainterPath brin1, brin2;
    for (int i = 0; i <= pas; ++i) {
        const qreal x = x0 + (x1 - x0) * i / pas;
        const qreal angle = (x - x0) / 21.0;
        const QPointF a(x, y + amplitude * std::sin(angle));
        const QPointF b(x, y - amplitude * std::sin(angle));
        if (i == 0) {
            brin1.moveTo(a);
            brin2.moveTo(b);
        } else {
            brin1.lineTo(a);
            brin2.lineTo(b);
        }
        if (i % 4 == 2) {
            QColor barreau = i % 8 == 2 ? brin_a : brin_b;
            barreau.setAlpha(120);
            p.setPen(QPen(barreau, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(a, b);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(brin_a, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(brin1);
    p.setPen(QPen(brin_b, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(brin2);
}

void legende(QPainter& p, const std::vector<std::string>& textes) {
    p.setPen(QPen(QColor(200, 195, 160), 1));
    p.drawLine(QPointF(40, 340), QPointF(largeur - 40, 340));
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                   QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(12);
    struct Entree {
        bool homme;
        Etat etat;
        QString nom;
    };
    const Entree entrees[] = {{true, Etat::sain, mot(textes, 2)},
                              {false, Etat::sain, mot(textes, 3)},
                              {true, Etat::atteint, mot(textes, 4)},
                              {false, Etat::porteur, mot(textes, 5)}};
    qreal x = 58;
    for (const Entree& e : entrees) {
        // A gene that no woman carries unseen has no carrier to name.
        if (e.nom.isEmpty()) continue;
        symbole(p, {x, 368}, e.homme, e.etat, 16);
        p.setFont(f);
        p.setPen(QColor(80, 80, 70));
        p.drawText(QRectF(x + 14, 360, 80, 16), Qt::AlignLeft | Qt::AlignVCenter, e.nom);
        x += 92;
    }
}

} // namespace

void dessine_image_depart(QPainter& p, const QRectF& zone, const std::vector<std::string>& textes) {
    const bool porteuses = !mot(textes, 5).isEmpty();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(zone.topLeft());
    p.scale(zone.width() / largeur, zone.height() / hauteur);
    fond(p);
    titre(p, textes);
    generations(p);
    helice(p);
    arbre(p, porteuses);
    legende(p, textes);
    p.restore();
}

} // namespace orvan
