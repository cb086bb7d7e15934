#include "qt/traceur_graphiques.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace orvan {

namespace {

bool abime = false;

// A file of the module's name that is a library for this system.
bool present(const QString& dossier) {
    for (const QFileInfo& f :
         QDir(dossier).entryInfoList({QStringLiteral("*orvan_graphiques*")}, QDir::Files))
        if (QLibrary::isLibrary(f.fileName())) return true;
    return false;
}

const TraceurGraphiques* charge() {
    const QString programme = QCoreApplication::applicationDirPath();
    const QStringList dossiers = {programme,
                                  programme + QStringLiteral("/" ORVAN_MODULES_INSTALLES),
                                  QStringLiteral(ORVAN_MODULES_CONSTRUITS)};
    // Never unloaded: the module's widgets live as long as the window.
    static auto* module = new QLibrary;
    using Entree = decltype(&orvan_traceur_graphiques);
    for (const QString& dossier : dossiers) {
        module->setFileName(dossier + QStringLiteral("/orvan_graphiques"));
        if (const auto entree =
                reinterpret_cast<Entree>(module->resolve("orvan_traceur_graphiques")))
            return entree();
        abime = abime || present(dossier);
    }
    return nullptr;
}

} // namespace

const TraceurGraphiques* traceur_graphiques() {
    static const TraceurGraphiques* traceur = charge();
    return traceur;
}

bool module_graphiques_abime() {
    return !traceur_graphiques() && abime;
}

} // namespace orvan
