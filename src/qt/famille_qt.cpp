#include "qt/famille_qt.h"

#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "qt/conversions_qt.h"
#include "qt/export_image.h"
#include "qt/fenetre_qt.h"
#include "qt/image_famille.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace orvan {

namespace {

// The PNG's scale below the kind of file, offered from 1 to 4 with the picture's size in
// pixels; it stands greyed while another kind of file is chosen.
QComboBox* ajoute_echelle(QFileDialog& dialogue, int echelle, QSize taille,
                          const Traduction& textes) {
    auto* grille = qobject_cast<QGridLayout*>(dialogue.layout());
    if (!grille) return nullptr;
    auto* liste = new QComboBox(&dialogue);
    liste->setObjectName(QStringLiteral("echelle_png"));
    for (int e = 1; e <= echelle_png_dialogue_max; ++e)
        liste->addItem(QStringLiteral("\u00d7%1   (%2 \u00d7 %3 px)")
                           .arg(e)
                           .arg(taille.width() * e)
                           .arg(taille.height() * e),
                       e);
    liste->setCurrentIndex(std::clamp(echelle, 1, echelle_png_dialogue_max) - 1);
    liste->setToolTip(texte_qt(textes(msg::echelle_png_bulle)));
    auto* etiquette = new QLabel(texte_qt(textes(msg::echelle_png)), &dialogue);
    etiquette->setBuddy(liste);
    const int rang = grille->rowCount();
    grille->addWidget(etiquette, rang, 0);
    grille->addWidget(liste, rang, 1);
    const auto suit_le_filtre = [liste](const QString& filtre) {
        liste->setEnabled(filtre.contains(QLatin1String("*.png")));
    };
    QObject::connect(&dialogue, &QFileDialog::filterSelected, liste, suit_le_filtre);
    suit_le_filtre(dialogue.selectedNameFilter());
    return liste;
}

std::optional<FamilleQt::ChoixImage> dialogue_qt(QWidget* parent, const QString& nom, int echelle,
                                                 QSize taille, const Traduction& textes) {
    // Qt's own dialog, which has room for the scale.
    QFileDialog dialogue(parent, texte_qt(textes(msg::exporter_image)));
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    dialogue.setNameFilters(texte_qt(textes(msg::filtres_image)).split(QStringLiteral(";;")));
    dialogue.setDirectory(QFileInfo(nom).absolutePath());
    dialogue.selectFile(QFileInfo(nom).fileName());
    const QComboBox* echelles = ajoute_echelle(dialogue, echelle, taille, textes);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    QString chemin = dialogue.selectedFiles().constFirst();
    // A name without a known extension takes that of the chosen kind of file.
    if (!format_du_fichier(chemin)) {
        const QString filtre = dialogue.selectedNameFilter();
        chemin += filtre.mid(filtre.indexOf(QLatin1String("*.")) + 1, 4);
    }
    return FamilleQt::ChoixImage{chemin, echelles ? echelles->currentData().toInt() : echelle};
}

QRegion region(const std::vector<TexteNumero>& numeros) {
    QRegion r;
    for (const TexteNumero& n : numeros)
        r += n.zone;
    return r;
}

} // namespace

FamilleQt::FamilleQt(FenetrePrincipale& f, FenetreQt& fenetre)
    : f_(f), fenetre_(fenetre), habillage_(f) {
    habillage_.attache(fenetre_);
    options_.restaure(f_.menus, f_.probabilites.frequences);
    fenetre_.surface()->installEventFilter(this);
    dialogue = [this](const QString& nom, int echelle, QSize taille) {
        return dialogue_qt(&fenetre_, nom, echelle, taille, f_.textes);
    };
    f_.exporte_image = [this] { exporte_depuis_menu(); };
}

FamilleQt::~FamilleQt() {
    f_.exporte_image = nullptr;
    Habillage::detache(fenetre_);
}

void FamilleQt::actualise() {
    options_.retient(f_.menus, f_.probabilites.frequences);
    auto numeros = textes_de_numerotation(f_, style_de_la_fenetre(f_));
    if (numeros == numeros_) return;
    // Only where a number was or now stands.
    fenetre_.surface()->update(region(numeros_) + region(numeros));
    numeros_ = std::move(numeros);
}

bool FamilleQt::eventFilter(QObject* objet, QEvent* e) {
    // Before the surface's children: the numbers lie under the controls, as the picture has them.
    if (e->type() == QEvent::Paint && objet == fenetre_.surface() && !numeros_.empty()) {
        QPainter p(fenetre_.surface());
        p.setClipRegion(static_cast<QPaintEvent*>(e)->region());
        dessine_numeros(p, numeros_);
    }
    return false;
}

// A PNG made from the window is at least as sharp as the screen shows the family.
int FamilleQt::echelle_de_l_ecran() const {
    const double ratio = fenetre_.devicePixelRatioF();
    return std::max(echelle_png_defaut, static_cast<int>(std::ceil(ratio)));
}

QString FamilleQt::nom_propose() const {
    // The family's file name when it was read from one.
    const std::string& lu = f_.coquille.fichier_lu;
    QString nom = texte_qt(f_.textes(msg::famille));
    if (!lu.empty()) nom = QFileInfo(texte_qt(lu)).completeBaseName();
    return QDir::current().filePath(nom + QStringLiteral(".png"));
}

void FamilleQt::exporte_depuis_menu() {
    fenetre_.actualise();
    const QSize taille = ImageFamille(f_, style_de_la_fenetre(f_)).taille();
    const auto choix =
        dialogue ? dialogue(nom_propose(), echelle_de_l_ecran(), taille) : std::nullopt;
    if (!choix) return;
    const auto format = format_du_fichier(choix->chemin);
    const auto echec = format ? ecrit_image(ImageFamille(f_, style_de_la_fenetre(f_)),
                                            choix->chemin, *format, choix->echelle_png)
                              : std::optional<Texte>(msg::suffixe_image);
    if (echec) f_.plateforme.erreur(*echec);
}

} // namespace orvan
