#include "qt/traceur_graphiques.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstring>

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

// A module of another version of the program may describe its plots otherwise: it is not taken,
// and a file of its name that is no module of this version is said damaged.
const TraceurGraphiques* charge() {
    const QString programme = QCoreApplication::applicationDirPath();
    const QStringList dossiers = {programme,
                                  programme + QStringLiteral("/" ORVAN_MODULES_INSTALLES)};
    // Never unloaded: the module's widgets live as long as the window.
    static auto* module = new QLibrary;
    using Entree = decltype(&orvan_traceur_graphiques);
    using Version = decltype(&orvan_graphiques_version);
    for (const QString& dossier : dossiers) {
        module->setFileName(dossier + QStringLiteral("/orvan_graphiques"));
        const auto version = reinterpret_cast<Version>(module->resolve("orvan_graphiques_version"));
        const auto entree = reinterpret_cast<Entree>(module->resolve("orvan_traceur_graphiques"));
        if (version && entree && std::strcmp(version(), ORVAN_VERSION) == 0) return entree();
        module->unload();
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
