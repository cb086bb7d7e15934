#include "qt/exemples_qt.h"

#include "qt/donnees_qt.h"

#include <QAbstractItemView>

namespace orvan {

namespace {

const LieuxDonnee lieux_exemples{QStringLiteral("Exemples"), QStringLiteral("../data/exemples"),
                                 QStringLiteral("Exemples")};

// Qt keeps the side bar's places for every program and every run: a copy of the program built
// or installed elsewhere left its own examples' place there, which would show beside this one
// under the same name.
bool place_d_une_autre_copie(const QUrl& place, const QUrl& exemples) {
    if (place == exemples) return false;
    const QString chemin = place.toLocalFile();
    for (QString lieu :
         {lieux_exemples.pres_du_programme, lieux_exemples.dans_le_depot, lieux_exemples.installe})
        if (chemin.endsWith(QLatin1Char('/') + lieu.remove(QLatin1String("../")))) return true;
    return false;
}

} // namespace

QString dossier_exemples(const QString& dossier_programme) {
    return trouve_donnee(dossier_programme, lieux_exemples, true);
}

QList<QUrl> places_du_dialogue(const QList<QUrl>& usuelles, const QString& exemples) {
    if (exemples.isEmpty()) return usuelles;
    const QUrl url = QUrl::fromLocalFile(exemples);
    QList<QUrl> places;
    for (const QUrl& place : usuelles)
        if (!place_d_une_autre_copie(place, url)) places << place;
    if (!places.contains(url)) places << url;
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
