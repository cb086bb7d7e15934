#include "qt/traceur_graphiques.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstring>

namespace orvan {

namespace {

// A module of another version of the program may describe its plots otherwise: it is not taken.
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
        if (!version || std::strcmp(version(), ORVAN_VERSION) != 0) {
            module->unload();
            continue;
        }
        if (const auto entree =
                reinterpret_cast<Entree>(module->resolve("orvan_traceur_graphiques")))
            return entree();
    }
    return nullptr;
}

} // namespace

const TraceurGraphiques* traceur_graphiques() {
    static const TraceurGraphiques* traceur = charge();
    return traceur;
}

} // namespace orvan
