#include "qt/exemples_qt.h"

#include "qt/donnees_qt.h"

#include <QAbstractItemView>

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

void nomme_place(QFileDialog& dialogue, const QString& dossier, const QString& nom) {
    if (dossier.isEmpty() || nom.isEmpty()) return;
    const auto* barre = dialogue.findChild<QAbstractItemView*>(QStringLiteral("sidebar"));
    QAbstractItemModel* modele = barre ? barre->model() : nullptr;
    if (!modele) return;
    const QUrl url = QUrl::fromLocalFile(dossier);
    // The side bar keeps each place's address under the role after Qt::UserRole, and names it
    // again from its folder whenever the file system model speaks: each time, it is renamed.
    const auto renomme = [modele, url, nom] {
        for (int i = 0; i < modele->rowCount(); ++i) {
            const QModelIndex place = modele->index(i, 0);
            if (place.data(Qt::UserRole + 1).toUrl() == url &&
                place.data(Qt::DisplayRole).toString() != nom)
                modele->setData(place, nom, Qt::DisplayRole);
        }
    };
    renomme();
    // The dialog sets its places again when it shows (rows inserted, or the model reset).
    QObject::connect(modele, &QAbstractItemModel::dataChanged, &dialogue, renomme);
    QObject::connect(modele, &QAbstractItemModel::rowsInserted, &dialogue, renomme);
    QObject::connect(modele, &QAbstractItemModel::modelReset, &dialogue, renomme);
}

} // namespace orvan
