#include "qt/lancement.h"

#include "qt/session_qt.h"
#include "qt/style_orvan.h"
#include "qt/traductions_qt.h"

#include <QApplication>

namespace orvan {

int lance_interface(int argc, char** argv, const std::vector<std::string>& arguments) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvan"));
    prepare_application();
    installe_traductions_qt("fr");

    SessionQt session(arguments);
    if (qEnvironmentVariableIsSet("ORVAN_QUITTER_APRES_AFFICHAGE"))
        session.quitte_apres_premier_affichage();
    session.ouvre();
    return app.exec();
}

} // namespace orvan
