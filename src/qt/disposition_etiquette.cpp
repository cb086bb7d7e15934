#include "qt/disposition_etiquette.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace orvan {

namespace {

// Below this (six points) the text can no longer be read: a line still too wide is then left as
// it is.
constexpr int plus_petite_taille_px = 8;

QStringList coupe_apres_les_virgules(const QString& texte) {
    QStringList lignes;
    qsizetype debut = 0;
    for (qsizetype i = texte.indexOf(QLatin1Char(',')); i >= 0;
         i = texte.indexOf(QLatin1Char(','), i + 1)) {
        lignes << texte.mid(debut, i + 1 - debut);
        debut = i + 1;
    }
    lignes << texte.mid(debut);
    return lignes;
}

int plus_large(const QStringList& lignes, const QFont& police) {
    const QFontMetrics fm(police);
    int largeur = 0;
    for (const QString& l : lignes)
        largeur = std::max(largeur, fm.horizontalAdvance(l));
    return largeur;
}

} // namespace

DispositionEtiquette dispose_etiquette(const Label& l, const QString& texte, const QFont& police) {
    DispositionEtiquette d{QRect(l.left, l.top, std::max(0, l.width), std::max(0, l.height)), texte,
                           police};
    if (!l.reste_dans || texte.isEmpty()) return d;
    const Controle& symbole = *l.reste_dans;
    // A pixel of the symbol's outline on each side, and one of the label's own margin.
    const int place = symbole.width - 4;
    if (QFontMetrics(police).horizontalAdvance(texte) + 1 <= place) return d;
    const QStringList lignes = coupe_apres_les_virgules(texte);
    while (plus_large(lignes, d.police) + 1 > place && d.police.pixelSize() > plus_petite_taille_px)
        d.police.setPixelSize(d.police.pixelSize() - 1);
    const int largeur = plus_large(lignes, d.police) + 2;
    const int hauteur = QFontMetrics(d.police).height() * static_cast<int>(lignes.size());
    d.texte = lignes.join(QLatin1Char('\n'));
    d.zone = QRect(symbole.left + symbole.width / 2 - largeur / 2,
                   symbole.top + symbole.height / 2 - hauteur / 2, largeur, hauteur);
    return d;
}

} // namespace orvan
