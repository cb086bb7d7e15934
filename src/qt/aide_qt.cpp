#include "qt/aide_qt.h"

#include "qt/donnees_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orvan {

namespace {

// The help window: the document, and buttons to go back, forward and close.
class FenetreAide : public QWidget {
  public:
    explicit FenetreAide(QWidget* parent);
    void montre(const QString& fichier, int sujet, const TextesAide& textes);

  private:
    void place();
    QPushButton* bouton(QStyle::StandardPixmap icone, const QString& texte);

    QTextBrowser* texte_;
    QList<QPushButton*> boutons_;
    bool place_ = false;
};

FenetreAide::FenetreAide(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("fenetre_aide"));
    texte_ = new QTextBrowser(this);
    texte_->setObjectName(QStringLiteral("texte_aide"));

    QPushButton* precedent = bouton(QStyle::SP_ArrowBack, {});
    QPushButton* suivant = bouton(QStyle::SP_ArrowForward, {});
    QPushButton* fermer = bouton(QStyle::SP_DialogCloseButton, {});
    boutons_ = {precedent, suivant, fermer};
    precedent->setEnabled(false);
    suivant->setEnabled(false);
    connect(precedent, &QPushButton::clicked, texte_, &QTextBrowser::backward);
    connect(suivant, &QPushButton::clicked, texte_, &QTextBrowser::forward);
    connect(texte_, &QTextBrowser::backwardAvailable, precedent, &QPushButton::setEnabled);
    connect(texte_, &QTextBrowser::forwardAvailable, suivant, &QPushButton::setEnabled);
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(precedent);
    boutons->addWidget(suivant);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(texte_);
    colonne->addLayout(boutons);
}

// Beside the main window when the screen has room, else over its right side; never off
// screen. The frame is not known before the window is shown: room is left for it.
void FenetreAide::place() {
    const int cadre_x = 16, cadre_y = 60;
    const QRect ecran = screen()->availableGeometry();
    resize(qMin(600, ecran.width() - cadre_x), qMin(660, ecran.height() - cadre_y));
    int x = ecran.left() + ecran.width() - width() - cadre_x;
    int y = ecran.top() + cadre_y / 2;
    if (const QWidget* principale = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect fenetre = principale->frameGeometry();
        x = qMin(x, fenetre.right() + 10);
        y = qMax(ecran.top(), qMin(fenetre.top(), ecran.bottom() - height() - cadre_y));
    }
    move(qMax(ecran.left(), x), y);
}

QPushButton* FenetreAide::bouton(QStyle::StandardPixmap icone, const QString& texte) {
    auto* b = new QPushButton(style()->standardIcon(icone), texte, this);
    // Enter belongs to the links of the document, not to a button.
    b->setAutoDefault(false);
    return b;
}

void FenetreAide::montre(const QString& fichier, int sujet, const TextesAide& textes) {
    setWindowTitle(textes.titre);
    for (int i = 0; i < boutons_.size() && i < textes.boutons.size(); ++i)
        boutons_[i]->setText(textes.boutons[i]);
    // A new text takes its own mnemonic as the button's shortcut: the arrows are given back.
    boutons_[0]->setShortcut(QKeySequence::Back);
    boutons_[1]->setShortcut(QKeySequence::Forward);
    QUrl adresse = QUrl::fromLocalFile(QFileInfo(fichier).absoluteFilePath());
    adresse.setFragment(QStringLiteral("sujet%1").arg(qMax(1, sujet)));
    texte_->setSource(adresse);
    // The main window stays above the others: the help must not fall behind it.
    const QWidget* principale = parentWidget() ? parentWidget()->window() : nullptr;
    const bool dessus = principale && principale->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (dessus != windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        setWindowFlag(Qt::WindowStaysOnTopHint, dessus);
    if (!place_) {
        place();
        place_ = true;
    }
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

QPointer<FenetreAide> fenetre_ouverte;

} // namespace

QString chemin_aide(const QString& page, const QString& dossier_programme) {
    const LieuxDonnee lieux{QStringLiteral("aide/") + page, QStringLiteral("../data/aide/") + page,
                            QStringLiteral("aide/") + page};
    return trouve_donnee(dossier_programme, lieux, false);
}

bool montre_aide(QWidget* parent, const QString& fichier_html, int sujet,
                 const TextesAide& textes) {
    const QFileInfo info(fichier_html);
    if (!info.isFile() || !info.isReadable()) return false;
    if (!fenetre_ouverte) fenetre_ouverte = new FenetreAide(parent);
    fenetre_ouverte->montre(fichier_html, sujet, textes);
    return true;
}

} // namespace orvan
