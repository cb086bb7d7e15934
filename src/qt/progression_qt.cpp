#include "qt/progression_qt.h"

#include "qt/conversions_qt.h"
#include "qt/minuterie_qt.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>

namespace orvan {

namespace {

// Shown once the task has run this long; refreshed at most this often.
constexpr qint64 attente_ms = 500;
constexpr qint64 rafraichissement_ms = 40;
constexpr int graduations = 1000;

} // namespace

void ProgressionQt::commence(const DemandeProgression& demande, QWidget* fenetre) {
    termine();
    demande_ = demande;
    fenetre_ = fenetre;
    annulee_ = false;
    dernier_regard_ = 0;
    chrono_.start();
}

bool ProgressionQt::progresse(std::size_t faits) {
    const qint64 ms = chrono_.elapsed();
    if (ms - dernier_regard_ < rafraichissement_ms) return !annulee_;
    dernier_regard_ = ms;
    if (!dialogue_) {
        if (ms < attente_ms) return true;
        montre();
    }
    if (demande_.total > 0) {
        const auto fait = std::min(faits, demande_.total);
        dialogue_->setValue(static_cast<int>(fait * graduations / demande_.total));
    }
    // The dialog paints itself and takes the user's click; the family's window waits under it
    // as it was, and is brought up to date once, when the task ends.
    QCoreApplication::processEvents();
    annulee_ = annulee_ || (!demande_.annuler.empty() && dialogue_ && dialogue_->wasCanceled());
    return !annulee_;
}

void ProgressionQt::montre() {
    // Over the window the user works in: the family's, or one of its own windows, which the
    // family's window must not come over.
    QWidget* active = QApplication::activeWindow();
    dialogue_ = new QProgressDialog(active ? active : fenetre_.data());
    dialogue_->setObjectName(QStringLiteral("progression"));
    dialogue_->setWindowTitle(texte_qt(demande_.texte));
    dialogue_->setLabelText(texte_qt(demande_.texte));
    if (demande_.annuler.empty())
        dialogue_->setCancelButton(nullptr);
    else
        dialogue_->setCancelButtonText(texte_qt(demande_.annuler));
    // A task of unknown length shows a busy bar.
    dialogue_->setRange(0, demande_.total > 0 ? graduations : 0);
    dialogue_->setAutoClose(false);
    dialogue_->setAutoReset(false);
    dialogue_->setMinimumDuration(0);
    dialogue_->setWindowModality(Qt::ApplicationModal);
    dialogue_->setMinimumWidth(320);
    QCoreApplication::instance()->installEventFilter(this);
    montree_ = true;
    ++taches_montrees_;
    dialogue_->show();
}

void ProgressionQt::termine() {
    // Counted apart from the dialog, which its parent window may have deleted.
    if (montree_) --taches_montrees_;
    montree_ = false;
    if (!dialogue_) return;
    QCoreApplication::instance()->removeEventFilter(this);
    delete dialogue_;
}

bool ProgressionQt::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::Timer && dynamic_cast<MinuterieQt*>(objet)) return true;
    return QObject::eventFilter(objet, evenement);
}

} // namespace orvan
