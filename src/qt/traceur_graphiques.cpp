#include "qt/traceur_graphiques.h"

#include <QCoreApplication>
#include <QLibrary>

namespace orvan {

namespace {

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
    }
    return nullptr;
}

} // namespace

const TraceurGraphiques* traceur_graphiques() {
    static const TraceurGraphiques* traceur = charge();
    return traceur;
}

} // namespace orvan
