#include "qt/interro_genotype_qt.h"

#include "qt/conversions_qt.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <exception>

namespace orvan {

FenetreInterroQt::FenetreInterroQt(InterroGenotype& fiche, QWidget& principale, QWidget& repere)
    : QDialog(&principale), fiche_(fiche), repere_(repere), surface_(new QWidget(this)),
      miroir_(fiche, *surface_, nullptr, *this) {
    setObjectName(QString::fromStdString(fiche.nom()));
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setAutoFillBackground(true);
    // A dialog border: no resizing, no help button in the caption bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
    setWindowModality(Qt::WindowModal);
    actualise();
}

void FenetreInterroQt::traite(const std::function<void()>& gestionnaire) {
    try {
        gestionnaire();
    } catch (const std::exception& e) {
        QMessageBox::critical(this, QStringLiteral("Erreur"), texte_qt(e.what()));
    }
    actualise();
    if (apres_evenement) apres_evenement();
}

void FenetreInterroQt::actualise() {
    actualise_fenetre();
    miroir_.actualise();
    finit_boutons();
    if (fiche_.visible == isVisible()) return;
    if (!fiche_.visible)
        modale_ ? done(QDialog::Rejected) : hide();
    else if (!modale_)
        show();
}

void FenetreInterroQt::actualise_fenetre() {
    if (premiere_ || fiche_.caption != caption_) {
        caption_ = fiche_.caption;
        setWindowTitle(texte_qt(caption_));
    }
    // The core gives the outer size; a window cut down to its caption bar keeps one line.
    const QSize client(fiche_.width - InterroGenotype::largeur_bord,
                       std::max(1, fiche_.height - InterroGenotype::hauteur_bord));
    if (size() != client) {
        setFixedSize(client);
        surface_->setGeometry(0, 0, client.width(), client.height());
    }
    const QPalette pal = surface_->palette();
    if (premiere_ || pal.color(QPalette::Window) != couleur_qt(fiche_.fond)) {
        QPalette p = pal;
        p.setColor(QPalette::Window, couleur_qt(fiche_.fond));
        surface_->setPalette(p);
    }
    // The window manager, or the pupil, may move the window: it moves when the core moves it.
    if (premiere_ || fiche_.left != left_ || fiche_.top != top_) place();
    premiere_ = false;
}

// In the main window's client area, kept on the screen.
void FenetreInterroQt::place() {
    left_ = fiche_.left;
    top_ = fiche_.top;
    QPoint p = repere_.mapToGlobal(QPoint(left_, top_));
    if (const QScreen* ecran = repere_.screen()) {
        const QRect r = ecran->availableGeometry();
        const int largeur = fiche_.width, hauteur = InterroGenotype::hauteur_pleine;
        p.setX(std::clamp(p.x(), r.left(), std::max(r.left(), r.right() + 1 - largeur)));
        p.setY(std::clamp(p.y(), r.top(), std::max(r.top(), r.bottom() + 1 - hauteur)));
    }
    move(p);
}

// "OK" answers the Enter key; "Aide" shows the help's picture.
void FenetreInterroQt::finit_boutons() {
    if (boutons_finis_) return;
    auto* ok = dynamic_cast<QPushButton*>(miroir_.reflet(*fiche_.ok));
    auto* aide = dynamic_cast<QPushButton*>(miroir_.reflet(*fiche_.aide));
    if (!ok || !aide) return;
    ok->setDefault(true);
    aide->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    boutons_finis_ = true;
}

void FenetreInterroQt::execute() {
    if (isVisible()) hide();
    modale_ = true;
    actualise();
    place();
    if (Reflet* r = miroir_.reflet(*fiche_.focus); r && r->widget()) r->widget()->setFocus();
    if (fiche_.visible) exec();
    modale_ = false;
}

void FenetreInterroQt::keyPressEvent(QKeyEvent* e) {
    // Escape is the cancel button's key; F1 asks for help as the main window's F1 does.
    if (e->key() == Qt::Key_Escape) {
        traite([this] { fiche_.annuler->clic(); });
        return;
    }
    if (e->key() == Qt::Key_F1 && fiche_.on_key_down) {
        traite([this] { fiche_.on_key_down(112); });
        return;
    }
    QDialog::keyPressEvent(e);
}

void FenetreInterroQt::reject() {
    if (fiche_.visible)
        traite([this] { fiche_.ferme(); });
    else
        QDialog::reject();
}

} // namespace orvan
