#include "qt/plateforme_qt.h"

#include "ground/messages.h"
#include "qt/aide_qt.h"
#include "qt/conversions_qt.h"
#include "qt/exemples_qt.h"
#include "qt/formulaire_qt.h"
#include "qt/impression_qt.h"
#include "qt/tableau_qt.h"
#include "ui/fiche.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace orvan {

namespace {

QStringList filtres(const DialogueFichier& d) {
    QStringList l;
    for (const auto& f : d.filtres)
        l << texte_qt(f);
    return l;
}

// A box whose buttons say what the core asked them to say, whatever Qt's catalogue holds.
int boite(QWidget* parent, QMessageBox::Icon icone, const BoiteMessage& b,
          QMessageBox::StandardButtons boutons, QMessageBox::StandardButton defaut) {
    QMessageBox m(icone, texte_qt(b.titre), texte_qt(b.texte), boutons, parent);
    m.setDefaultButton(defaut);
    std::size_t i = 0;
    for (const auto bouton : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok})
        if ((boutons & bouton) && i < b.boutons.size())
            m.button(bouton)->setText(texte_qt(b.boutons[i++]));
    return m.exec();
}

TextesAide textes_aide(const DemandeAide& aide) {
    TextesAide t;
    t.titre = texte_qt(aide.titre);
    t.boutons.clear();
    for (const auto& b : aide.boutons)
        t.boutons << texte_qt(b);
    return t;
}

std::optional<std::string> choix(QFileDialog& dialogue) {
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    return texte_core(QDir::toNativeSeparators(dialogue.selectedFiles().constFirst()));
}

} // namespace

Taille PlateformeQt::mesure(const std::string& texte, const Police& police) const {
    std::string cle = std::to_string(police.taille) + (police.gras ? "g:" : "n:") + texte;
    if (const auto trouve = mesures_.find(cle); trouve != mesures_.end()) return trouve->second;
    const QFontMetrics fm(police_qt(police));
    QString t = texte_qt(texte);
    // An empty caption still takes one line's height.
    if (t.isEmpty()) t = QStringLiteral(" ");
    const QSize s = fm.size(0, t);
    // The texts of one family are few; a session that measured very many starts again.
    if (mesures_.size() >= 50'000) mesures_.clear();
    return mesures_[std::move(cle)] = {s.width(), s.height()};
}

void PlateformeQt::prepare_dialogue() const {
    if (avant_dialogue) avant_dialogue();
}

// Qt's dialogs wait for the user, so each answer goes on at once.
void PlateformeQt::montre_question(const BoiteMessage& b, SuiteDe<bool> suite) {
    prepare_dialogue();
    suite(boite(fenetre_, QMessageBox::Warning, b, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes) == QMessageBox::Yes);
}

// The three answers take the places and the keys that the desktop gives Save, Discard and
// Cancel. They are buttons of the core's words, not Qt's standard ones: Qt names those again in
// its own words when the language changes, which the change made at start-up does while the
// question of a family left unsaved is open ("Save" for "Take it back").
void PlateformeQt::montre_question_trois(const BoiteMessage& b,
                                         std::function<void(ReponseTrois)> suite) {
    prepare_dialogue();
    QMessageBox m(QMessageBox::Warning, texte_qt(b.titre), texte_qt(b.texte), QMessageBox::NoButton,
                  fenetre_);
    const auto texte = [&b](std::size_t i) {
        return i < b.boutons.size() ? texte_qt(b.boutons[i]) : QString();
    };
    QPushButton* accepte = m.addButton(texte(0), QMessageBox::AcceptRole);
    QPushButton* refuse = m.addButton(texte(1), QMessageBox::DestructiveRole);
    QPushButton* annule = m.addButton(texte(2), QMessageBox::RejectRole);
    m.setDefaultButton(accepte);
    m.setEscapeButton(annule);
    m.exec();
    suite(m.clickedButton() == accepte  ? ReponseTrois::accepte
          : m.clickedButton() == refuse ? ReponseTrois::refuse
                                        : ReponseTrois::annule);
}

void PlateformeQt::montre_avertissement(const BoiteMessage& b) {
    prepare_dialogue();
    boite(fenetre_, QMessageBox::Warning, b, QMessageBox::Ok, QMessageBox::Ok);
}

void PlateformeQt::montre_formulaire(const DemandeFormulaire& demande, SuiteDe<bool> suite) {
    prepare_dialogue();
    suite(montre_formulaire_qt(fenetre_, demande));
}

void PlateformeQt::montre_tableau(const DemandeTableau& tableau) {
    prepare_dialogue();
    montre_tableau_qt(fenetre_, tableau);
}

void PlateformeQt::montre_erreur(const BoiteMessage& b) {
    prepare_dialogue();
    boite(fenetre_, QMessageBox::Critical, b, QMessageBox::Ok, QMessageBox::Ok);
}

void PlateformeQt::choisit_ouverture(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) {
    prepare_dialogue();
    QFileDialog dialogue(fenetre_, texte_qt(d.titre), texte_qt(d.depart));
    dialogue.setNameFilters(filtres(d));
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    const QString exemples = dossier_exemples();
    dialogue.setSidebarUrls(places_du_dialogue(dialogue.sidebarUrls(), exemples));
    nomme_place(dialogue, exemples, texte_qt(d.lieu_exemples));
    suite(choix(dialogue));
}

void PlateformeQt::choisit_enregistrement(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) {
    suite(choisit_ou_ecrire(d, QStringLiteral("gen")));
}

void PlateformeQt::choisit_pdf(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) {
    suite(choisit_ou_ecrire(d, QStringLiteral("pdf")));
}

std::optional<std::string> PlateformeQt::choisit_ou_ecrire(const DialogueFichier& d,
                                                           const QString& suffixe) {
    prepare_dialogue();
    QFileDialog dialogue(fenetre_, texte_qt(d.titre));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setNameFilters(filtres(d));
    dialogue.setDefaultSuffix(suffixe);
    dialogue.setDirectory(QDir::current());
    // A wildcard is a filter, not a name to propose.
    const QString nom = texte_qt(d.depart);
    if (!nom.isEmpty() && !nom.contains(QLatin1Char('*')) && !nom.contains(QLatin1Char('?')))
        dialogue.selectFile(nom);
    return choix(dialogue);
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

bool PlateformeQt::montre_aide(const DemandeAide& aide) {
    const QString page = chemin_aide(texte_qt(aide.page));
    if (!page.isEmpty() && orvan::montre_aide(parent_aide(), page, aide.sujet, textes_aide(aide)))
        return true;
    montre_avertissement({textes()(msg::avertissement), aide.introuvable, {textes()(msg::ok)}});
    return false;
}

Capture PlateformeQt::capture(const Fiche& fenetre) {
    const auto vue = vues.find(&fenetre);
    if (vue == vues.end() || !vue->second.zone_client) return {};
    // The widgets must show what the core holds now, in the middle of a handler.
    if (vue->second.actualise) vue->second.actualise();
    QWidget& zone = *vue->second.zone_client;
    return capture_widget(zone, echelle_d_impression(zone));
}

ResultatImpression PlateformeQt::imprime(const Capture& page) {
    return imprime_par_defaut(page);
}

bool PlateformeQt::enregistre_pdf(const Capture& page, const std::string& chemin) {
    return ecrit_pdf(page, texte_qt(chemin));
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

void PlateformeQt::montre_modale(Fiche& fenetre, std::function<void()> apres) {
    const auto vue = vues.find(&fenetre);
    if (vue == vues.end() || !vue->second.montre_modale) {
        fenetre.visible = false;
    } else {
        prepare_dialogue();
        vue->second.montre_modale();
        // Back with the main window, the help stays above it.
        confie_aide(fenetre_.data());
    }
    if (apres) apres();
}

void PlateformeQt::quitter() {
    if (fermeture) fermeture();
    QCoreApplication::quit();
}

void PlateformeQt::commence_progression(const DemandeProgression& demande) {
    progression_.commence(demande, fenetre_);
}

bool PlateformeQt::progresse(std::size_t faits) {
    return progression_.progresse(faits);
}

void PlateformeQt::termine_progression() {
    progression_.termine();
}

} // namespace orvan
