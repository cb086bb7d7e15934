#include "qt/lancement.h"

#include "qt/application_gardee.h"
#include "qt/glyphes.h"
#include "qt/session_qt.h"
#include "qt/style_orvan.h"
#include "qt/traductions_qt.h"

#include <QIcon>
#include <QStandardPaths>

// The icons are compiled into the static front-end library: registered by hand.
static void charge_ressources() {
    Q_INIT_RESOURCE(orvan);
}

namespace orvan {

int lance_interface(int argc, char** argv, const std::vector<std::string>& arguments) {
    ApplicationGardee app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvan"));
    charge_ressources();
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.orvan.Orvan"));
    QIcon icone;
    // The title bar and the task switcher draw the window's icon at 64 pixels at most; the
    // desktop's launchers take the installed theme's icons. Each picture added here is decoded
    // at start-up, and the 256-pixel one costs more than the two others together.
    for (const int taille : {32, 64})
        icone.addPixmap(lit_png(QStringLiteral(":/icones/orvan-%1.png").arg(taille)));
    QApplication::setWindowIcon(icone);
    prepare_application();
    installe_traductions_qt("fr");

    SessionQt session(arguments);
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!donnees.isEmpty())
        session.plateforme.dossier_secours_ = (donnees + QStringLiteral("/secours")).toStdString();
    if (qEnvironmentVariableIsSet("ORVAN_QUITTER_APRES_AFFICHAGE"))
        session.quitte_apres_premier_affichage();
    session.ouvre();
    return app.exec();
}

} // namespace orvan
