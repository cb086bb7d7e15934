#include "qt/interro_genotype_qt.h"

#include "ground/messages.h"
#include "qt/conversions_qt.h"
#include "qt/progression_qt.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace orvan {

namespace {

// A white question mark on a blue disc: the themes do not all have a help picture.
QIcon icone_aide() {
    QIcon icone;
    for (int cote : {16, 24, 32}) {
        QPixmap pm(cote, cote);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(20, 60, 140), cote / 16.0));
        p.setBrush(QColor(50, 110, 210));
        p.drawEllipse(QRectF(0.5, 0.5, cote - 1.0, cote - 1.0));
        QFont police = p.font();
        police.setBold(true);
        police.setPixelSize(cote * 3 / 4);
        p.setFont(police);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, cote, cote), Qt::AlignCenter, QStringLiteral("?"));
        icone.addPixmap(pm);
    }
    return icone;
}

// The window manager writes the caption in its own bold face, often larger than the
// program's and on a screen whose resolution it reads on its own, beside the window's icon and
// buttons: a bold face of at least 14 pixels, and room for four buttons, stand for them, so
// that either caption of the window shows whole in either language.
int largeur_des_titres() {
    constexpr int place_des_boutons = 4 * 24 + 16;
    QFont police = QApplication::font();
    police.setBold(true);
    police.setPixelSize(std::max(QFontInfo(police).pixelSize(), 14));
    const QFontMetrics fm(police);
    int plus_long = 0;
    // The longest name a family of 40 can give.
    const Texte question = msg::quel_genotype_de.avec({Texte::tel_quel("III-10")});
    for (const Texte* titre : {&question, &msg::cliquez_individu})
        for (Langue l : {Langue::francais, Langue::anglais})
            plus_long = std::max(plus_long, fm.horizontalAdvance(texte_qt(titre->dans(l))));
    return plus_long + place_des_boutons;
}

} // namespace

FenetreInterroQt::FenetreInterroQt(InterroGenotype& fiche, QWidget& principale, QWidget& repere)
    : QDialog(&principale), fiche_(fiche), repere_(repere), surface_(new QWidget(this)),
      miroir_(fiche, *surface_, nullptr, *this) {
    setObjectName(QString::fromStdString(fiche.nom()));
    surface_->setObjectName(QStringLiteral("surface"));
    surface_->setAutoFillBackground(true);
    setAutoFillBackground(true);
    // A dialog border: no resizing, no help button in the caption bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
    // Above the main window, as the main window is above the others.
    setWindowFlag(Qt::WindowStaysOnTopHint,
                  principale.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    actualise();
}

void FenetreInterroQt::traite(const std::function<void()>& gestionnaire) {
    if (ProgressionQt::une_tache_montree()) return;
    execute_gestionnaire(gestionnaire);
    actualise();
    if (apres_evenement) apres_evenement();
}

void FenetreInterroQt::actualise() {
    actualise_fenetre();
    miroir_.actualise();
    finit_boutons();
    if (fiche_.visible == isVisible()) return;
    if (!fiche_.visible) {
        modale_ ? done(QDialog::Rejected) : hide();
    } else if (!modale_) {
        place();
        show();
    }
}

void FenetreInterroQt::actualise_fenetre() {
    if (premiere_ || fiche_.caption != caption_) {
        caption_ = fiche_.caption;
        setWindowTitle(texte_qt(caption_));
    }
    // The core gives the outer size; a window cut down to its caption bar keeps one line. The
    // window is widened for its caption when that needs it, its controls centred in it.
    const QSize contenu(fiche_.width - InterroGenotype::largeur_bord,
                        std::max(1, fiche_.height - InterroGenotype::hauteur_bord));
    const QSize client(std::max(contenu.width(), largeur_des_titres()), contenu.height());
    if (size() != client) {
        setFixedSize(client);
        surface_->setGeometry((client.width() - contenu.width()) / 2, 0, contenu.width(),
                              contenu.height());
    }
    const QPalette pal = surface_->palette();
    if (premiere_ || pal.color(QPalette::Window) != couleur_qt(fiche_.fond)) {
        QPalette p = pal;
        p.setColor(QPalette::Window, couleur_qt(fiche_.fond));
        surface_->setPalette(p);
        setPalette(p);
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
        const int largeur = std::max(fiche_.width, width() + InterroGenotype::largeur_bord);
        const int hauteur = InterroGenotype::hauteur_pleine;
        p.setX(std::clamp(p.x(), r.left(), std::max(r.left(), r.right() + 1 - largeur)));
        p.setY(std::clamp(p.y(), r.top(), std::max(r.top(), r.bottom() + 1 - hauteur)));
    }
    move(p);
}

// "OK" answers the Enter key; "Aide" gets its picture.
void FenetreInterroQt::finit_boutons() {
    if (boutons_finis_) return;
    auto* ok = dynamic_cast<QPushButton*>(miroir_.reflet(*fiche_.ok));
    auto* aide = dynamic_cast<QPushButton*>(miroir_.reflet(*fiche_.aide));
    if (!ok || !aide) return;
    ok->setDefault(true);
    aide->setIcon(icone_aide());
    boutons_finis_ = true;
}

void FenetreInterroQt::execute() {
    if (isVisible()) hide();
    modale_ = true;
    actualise();
    place();
    if (Reflet* r = miroir_.reflet(*fiche_.focus); r && r->widget()) r->widget()->setFocus();
    // Modal to the main window only: the help stays usable beside it.
    setWindowModality(Qt::WindowModal);
    if (fiche_.visible) exec();
    setWindowModality(Qt::NonModal);
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
