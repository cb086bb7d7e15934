#include "qt/application_gardee.h"

#include "ground/messages.h"
#include "qt/conversions_qt.h"

#include <QMessageBox>

#include <exception>

namespace orvan {

void signale_erreur_interne(const std::string& quoi) {
    // A second error while the first is said is not said again.
    static bool en_cours = false;
    if (en_cours) return;
    en_cours = true;
    if (ApplicationGardee::signale)
        ApplicationGardee::signale(quoi);
    else
        QMessageBox::critical(
            QApplication::activeWindow(), texte_qt(msg::erreur.francais),
            texte_qt(msg::action_interrompue.avec({Texte::tel_quel(quoi)}).francais));
    en_cours = false;
}

bool ApplicationGardee::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const std::exception& e) {
        signale_erreur_interne(e.what());
    } catch (...) {
        signale_erreur_interne("?");
    }
    return false;
}

} // namespace orvan
