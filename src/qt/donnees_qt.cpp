#include "qt/donnees_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace orvan {

QString trouve_donnee(const QString& dossier_programme, const LieuxDonnee& lieux, bool dossier) {
    const QDir programme(dossier_programme.isEmpty() ? QCoreApplication::applicationDirPath()
                                                     : dossier_programme);
    QStringList candidats{programme.filePath(lieux.pres_du_programme),
                          programme.filePath(lieux.dans_le_depot)};
#ifdef ORVAN_DATA_DIR
    candidats << QStringLiteral(ORVAN_DATA_DIR "/") + lieux.installe;
#endif
    for (const QString& chemin : candidats) {
        const QFileInfo info(chemin);
        const bool trouve = dossier ? info.isDir() : info.isFile() && info.isReadable();
        if (trouve) return info.canonicalFilePath();
    }
    return {};
}

} // namespace orvan
