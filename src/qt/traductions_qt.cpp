#include "qt/traductions_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace orvan {

namespace {

QPointer<QTranslator>& traducteur_installe() {
    static QPointer<QTranslator> traducteur;
    return traducteur;
}

} // namespace

bool installe_traductions_qt(const std::string& langue) {
    QPointer<QTranslator>& actuel = traducteur_installe();
    if (actuel) {
        QCoreApplication::removeTranslator(actuel);
        delete actuel;
    }
    const QString code = QString::fromStdString(langue);
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* traducteur = new QTranslator(QCoreApplication::instance());
    // The catalogue of the widgets alone, else the one that gathers every module's.
    if (!traducteur->load(QStringLiteral("qtbase_") + code, dossier) &&
        !traducteur->load(QStringLiteral("qt_") + code, dossier)) {
        delete traducteur;
        // Qt's texts are written in English: without a catalogue they already are.
        return langue == "en";
    }
    QCoreApplication::installTranslator(traducteur);
    actuel = traducteur;
    return true;
}

} // namespace orvan
