#include "qt/plateforme_qt.h"

#include "qt/aide_qt.h"
#include "qt/conversions_qt.h"
#include "qt/exemples_qt.h"
#include "qt/impression_qt.h"
#include "ui/fiche.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace orvan {

namespace {

QString filtre(const std::string& motif) {
    const QString m = texte_qt(motif.empty() ? std::string("*.gen") : motif);
    return QStringLiteral("Familles (%1);;Tous les fichiers (*)").arg(m);
}

} // namespace

Taille PlateformeQt::mesure(const std::string& texte, const Police& police) const {
    const QFontMetrics fm(police_qt(police));
    QString t = texte_qt(texte);
    // An empty caption still takes one line's height.
    if (t.isEmpty()) t = QStringLiteral(" ");
    const QSize s = fm.size(0, t);
    return {s.width(), s.height()};
}

void PlateformeQt::prepare_dialogue() const {
    if (avant_dialogue) avant_dialogue();
}

bool PlateformeQt::question_oui_non(const std::string& texte) {
    prepare_dialogue();
    return QMessageBox::warning(fenetre_, QStringLiteral("Avertissement"), texte_qt(texte),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::Yes) == QMessageBox::Yes;
}

void PlateformeQt::avertissement(const std::string& texte) {
    prepare_dialogue();
    QMessageBox::warning(fenetre_, QStringLiteral("Avertissement"), texte_qt(texte));
}

void PlateformeQt::erreur(const std::string& texte) {
    prepare_dialogue();
    QMessageBox::critical(fenetre_, QStringLiteral("Erreur"), texte_qt(texte));
}

std::optional<std::string> PlateformeQt::dialogue_ouvrir(const std::string& repertoire,
                                                         const std::string& motif) {
    prepare_dialogue();
    QFileDialog dialogue(fenetre_, QStringLiteral("Ouvrir"), texte_qt(repertoire), filtre(motif));
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    dialogue.setSidebarUrls(places_du_dialogue(dialogue.sidebarUrls(), dossier_exemples()));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    return texte_core(QDir::toNativeSeparators(dialogue.selectedFiles().constFirst()));
}

std::optional<std::string> PlateformeQt::dialogue_enregistrer(const std::string& nom_initial) {
    prepare_dialogue();
    QFileDialog dialogue(fenetre_, QStringLiteral("Enregistrer"));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setNameFilter(filtre("*.gen"));
    dialogue.setDefaultSuffix(QStringLiteral("gen"));
    dialogue.setDirectory(QDir::current());
    // A wildcard is a filter, not a name to propose.
    const QString nom = texte_qt(nom_initial);
    if (!nom.isEmpty() && !nom.contains(QLatin1Char('*')) && !nom.contains(QLatin1Char('?')))
        dialogue.selectFile(nom);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    return texte_core(QDir::toNativeSeparators(dialogue.selectedFiles().constFirst()));
}

HeureUTC PlateformeQt::heure_utc() const {
    const QTime t = QDateTime::currentDateTimeUtc().time();
    return {t.hour(), t.minute(), t.second(), t.msec()};
}

std::string PlateformeQt::repertoire_courant() const {
    return texte_core(QDir::toNativeSeparators(QDir::currentPath()));
}

Taille PlateformeQt::taille_ecran() const {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (!ecran) return {1024, 768};
    const QRect r = ecran->geometry();
    return {r.width(), r.height()};
}

bool PlateformeQt::ouvrir_aide(int sujet) {
    const QString page = chemin_aide();
    if (!page.isEmpty() && montre_aide(parent_aide(), page, sujet)) return true;
    avertissement("Le fichier d'aide orvan.html est introuvable.");
    return false;
}

Capture PlateformeQt::capture(const Fiche& fenetre) {
    const auto vue = vues.find(&fenetre);
    if (vue == vues.end() || !vue->second.zone_client) return {};
    // The widgets must show what the core holds now, in the middle of a handler.
    if (vue->second.actualise) vue->second.actualise();
    return capture_widget(*vue->second.zone_client);
}

ResultatImpression PlateformeQt::imprime(const Capture& page) {
    return imprime_par_defaut(page);
}

bool PlateformeQt::enregistre_pdf(const Capture& page, const std::string& chemin) {
    return ecrit_pdf(page, texte_qt(chemin));
}

std::optional<std::string> PlateformeQt::dialogue_enregistrer_pdf(const std::string& nom) {
    prepare_dialogue();
    QFileDialog dialogue(fenetre_, QStringLiteral("Enregistrer en PDF"));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setNameFilter(QStringLiteral("Documents PDF (*.pdf)"));
    dialogue.setDefaultSuffix(QStringLiteral("pdf"));
    dialogue.setDirectory(QDir::current());
    dialogue.selectFile(texte_qt(nom));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    return texte_core(QDir::toNativeSeparators(dialogue.selectedFiles().constFirst()));
}

// While a window of the program is modal, the help belongs to it: any other window would be
// kept from the pupil's mouse until the modal one closes.
QWidget* PlateformeQt::parent_aide() const {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = fenetre_.data();
    confie_aide(parent);
    return parent;
}

// An open help window changes hands where it stands, and stays open.
void PlateformeQt::confie_aide(QWidget* parent) const {
    if (!parent) return;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() != QStringLiteral("fenetre_aide") || w->parentWidget() == parent)
            continue;
        const bool ouverte = w->isVisible();
        const QRect place = w->geometry();
        Qt::WindowFlags drapeaux = w->windowFlags();
        drapeaux.setFlag(Qt::WindowStaysOnTopHint,
                         parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        w->setParent(parent, drapeaux);
        w->setGeometry(place);
        if (!ouverte) continue;
        w->show();
        w->raise();
    }
}

void PlateformeQt::montre_modale(Fiche& fenetre) {
    const auto vue = vues.find(&fenetre);
    if (vue == vues.end() || !vue->second.montre_modale) {
        fenetre.visible = false;
        return;
    }
    prepare_dialogue();
    vue->second.montre_modale();
    // Back with the main window, the help stays above it.
    confie_aide(fenetre_.data());
}

void PlateformeQt::quitter() {
    if (fermeture) fermeture();
    QCoreApplication::quit();
}

} // namespace orvan
