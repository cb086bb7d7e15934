#include "qt/fenetre_qt.h"

#include "qt/conversions_qt.h"
#include "qt/menus_qt.h"
#include "qt/progression_qt.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace orvan {

FenetreQt::FenetreQt(Fiche& fiche)
    : fiche_(fiche), zone_(new QScrollArea(this)), surface_(new QWidget),
      miroir_(fiche, *surface_, menuBar(), *this) {
    setObjectName(QString::fromStdString(fiche.nom()));
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setAutoFillBackground(true);
    zone_->setObjectName(QStringLiteral("zone"));
    zone_->setFrameShape(QFrame::NoFrame);
    // The surface fills the part in view and grows past it only as far as its controls reach.
    zone_->setWidgetResizable(true);
    zone_->setWidget(surface_);
    setCentralWidget(zone_);
    zone_->viewport()->installEventFilter(this);
    for (QScrollBar* barre : {zone_->horizontalScrollBar(), zone_->verticalScrollBar()})
        connect(barre, &QScrollBar::valueChanged, this, [this] { note_partie_visible(); });
    setWindowFlag(Qt::WindowStaysOnTopHint, fiche.au_premier_plan);
    premier_plan_ = fiche.au_premier_plan;
    actualise();
}

void FenetreQt::traite(const std::function<void()>& gestionnaire) {
    if (ProgressionQt::une_tache_montree()) return;
    execute_gestionnaire(gestionnaire);
    actualise();
    if (apres_evenement) apres_evenement();
}

void FenetreQt::ferme_sans_demander() {
    fermeture_decidee_ = true;
    close();
}

void FenetreQt::closeEvent(QCloseEvent* e) {
    if (fermeture_decidee_ || !fiche_.on_close) {
        QMainWindow::closeEvent(e);
        return;
    }
    e->ignore();
    traite(fiche_.on_close);
}

void FenetreQt::actualise() {
    actualise_fenetre();
    miroir_.actualise();
    if (version_des_menus() != mnemoniques_pour_) {
        mnemoniques_pour_ = version_des_menus();
        attribue_mnemoniques(menuBar()->actions());
    }
    etend_surface();
    elargit_pour_les_menus();
    // Shown or hidden last: the window appears with its final look, and a window hidden and
    // shown again within one handler is never touched.
    if (isVisible() != fiche_.visible) setVisible(fiche_.visible);
}

void FenetreQt::actualise_fenetre() {
    if (premiere_ || fiche_.caption != caption_) {
        caption_ = fiche_.caption;
        setWindowTitle(texte_qt(caption_));
    }
    // Sized when the core sizes it; the user may then resize it or maximise it at will.
    const QSize taille(fiche_.width, fiche_.height);
    if (taille.isValid() && (premiere_ || taille != taille_)) {
        taille_ = taille;
        resize(taille.boundedTo(place_sur_lecran()));
    }
    // The window manager may shift the window: it is moved only when the core moves it.
    if (premiere_ || fiche_.left != left_ || fiche_.top != top_) {
        left_ = fiche_.left;
        top_ = fiche_.top;
        move(dans_lecran(QPoint(left_, top_)));
    }
    if (premiere_ || fiche_.fond != fond_) {
        fond_ = fiche_.fond;
        QPalette pal = surface_->palette();
        pal.setColor(QPalette::Window, couleur_qt(fond_));
        surface_->setPalette(pal);
    }
    if (fiche_.au_premier_plan != premier_plan_) {
        premier_plan_ = fiche_.au_premier_plan;
        const bool visible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, premier_plan_);
        if (visible) show();
    }
    premiere_ = false;
}

// Hidden controls do not count: scroll bars show only while something shown is out of view.
void FenetreQt::etend_surface() {
    QRect r;
    for (QObject* o : surface_->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && w != fond_widget_ && !w->isHidden())
            r |= w->geometry();
    const QSize etendue(std::max(0, r.right() + 1), std::max(0, r.bottom() + 1));
    if (etendue == etendue_) return;
    etendue_ = etendue;
    surface_->setMinimumSize(etendue);
}

bool FenetreQt::eventFilter(QObject* objet, QEvent* e) {
    if (objet == zone_->viewport() && e->type() == QEvent::Resize) note_partie_visible();
    return QMainWindow::eventFilter(objet, e);
}

void FenetreQt::pose_fond(QWidget* fond) {
    fond_widget_ = fond;
    fond->setParent(surface_);
    fond->lower();
    fond->show();
    note_partie_visible();
}

// What the screen shows of a window, its frame apart: at a large scale on a small screen, the
// program's own size would pass its edges.
QSize FenetreQt::place_sur_lecran() const {
    const QScreen* ecran = screen();
    if (!ecran) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QSize cadre = frameGeometry().size() - geometry().size();
    return ecran->availableGeometry().size() - cadre.expandedTo(QSize(0, 0));
}

// A place where the window's top left corner stays on the screen.
QPoint FenetreQt::dans_lecran(QPoint coin) const {
    const QScreen* ecran = screen();
    if (!ecran) return coin;
    const QRect r = ecran->availableGeometry();
    return {std::max(r.left(), std::min(coin.x(), r.right() + 1 - frameGeometry().width())),
            std::max(r.top(), std::min(coin.y(), r.bottom() + 1 - frameGeometry().height()))};
}

// Never wider than the screen shows: on a small screen at a large scale, the last menus may
// still go behind the overflow button.
void FenetreQt::elargit_pour_les_menus() {
    const int largeur = std::min(menuBar()->sizeHint().width(), place_sur_lecran().width());
    if (largeur == largeur_menus_) return;
    largeur_menus_ = largeur;
    if (!isFullScreen() && !isMaximized() && width() < largeur) resize(largeur, height());
}

void FenetreQt::bascule_plein_ecran() {
    const bool plein = !isFullScreen();
    if (plein)
        showFullScreen();
    else
        showNormal();
    if (apres_plein_ecran) apres_plein_ecran(plein);
}

void FenetreQt::note_partie_visible() {
    const QPoint defilement(zone_->horizontalScrollBar()->value(),
                            zone_->verticalScrollBar()->value());
    const QRect vue(defilement, zone_->viewport()->size());
    if (fond_widget_ && fond_widget_->geometry() != vue) fond_widget_->setGeometry(vue);
    fiche_.partie_visible =
        Fiche::PartieVisible{vue.left(), vue.top(), vue.right() + 1, vue.bottom() + 1};
}

void FenetreQt::keyPressEvent(QKeyEvent* e) {
    // Function keys reach the window whatever has the focus; F1 is 112. Enter (13) and Escape
    // (27) reach it when the widget with the focus has no use for them.
    const int touche = e->key();
    // F10 goes into the menu bar, as on other desktop programs.
    if (touche == Qt::Key_F10 && e->modifiers() == Qt::NoModifier) {
        for (QAction* a : menuBar()->actions())
            if (a->isVisible() && a->isEnabled() && !a->isSeparator()) {
                menuBar()->setActiveAction(a);
                break;
            }
        return;
    }
    int code = 0;
    if (touche >= Qt::Key_F1 && touche <= Qt::Key_F12)
        code = 112 + (touche - Qt::Key_F1);
    else if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) &&
             (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        code = 13;
    else if (touche == Qt::Key_Escape && e->modifiers() == Qt::NoModifier)
        code = 27;
    if (code != 0 && fiche_.on_key_down) {
        Fiche& fiche = fiche_;
        traite([&fiche, code] {
            if (fiche.on_key_down) fiche.on_key_down(code);
        });
        return;
    }
    QMainWindow::keyPressEvent(e);
}

} // namespace orvan
