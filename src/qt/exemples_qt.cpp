#include "qt/exemples_qt.h"

#include "qt/donnees_qt.h"

namespace orvan {

QString dossier_exemples(const QString& dossier_programme) {
    const LieuxDonnee lieux{QStringLiteral("Exemples"), QStringLiteral("../data/exemples"),
                            QStringLiteral("Exemples")};
    return trouve_donnee(dossier_programme, lieux, true);
}

QList<QUrl> places_du_dialogue(const QList<QUrl>& usuelles, const QString& exemples) {
    QList<QUrl> places = usuelles;
    const QUrl url = QUrl::fromLocalFile(exemples);
    if (!exemples.isEmpty() && !places.contains(url)) places << url;
    return places;
}

} // namespace orvan
