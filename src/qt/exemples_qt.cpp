#include "qt/exemples_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvan {

QString dossier_exemples(const QString& dossier_programme) {
    const QDir programme(dossier_programme.isEmpty() ? QCoreApplication::applicationDirPath()
                                                     : dossier_programme);
    QStringList candidats{programme.filePath(QStringLiteral("Exemples")),
                          programme.filePath(QStringLiteral("../data/exemples"))};
#ifdef ORVAN_DATA_DIR
    candidats << QStringLiteral(ORVAN_DATA_DIR "/Exemples");
#endif
    for (const QString& chemin : candidats) {
        const QFileInfo info(chemin);
        if (info.isDir()) return info.canonicalFilePath();
    }
    return {};
}

QList<QUrl> places_du_dialogue(const QList<QUrl>& usuelles, const QString& exemples) {
    QList<QUrl> places = usuelles;
    const QUrl url = QUrl::fromLocalFile(exemples);
    if (!exemples.isEmpty() && !places.contains(url)) places << url;
    return places;
}

} // namespace orvan
