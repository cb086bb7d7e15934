#include "qt/famille_qt.h"

#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "qt/conversions_qt.h"
#include "qt/export_image.h"
#include "qt/fenetre_qt.h"
#include "qt/image_famille.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace orvan {

namespace {

std::optional<QString> dialogue_qt(QWidget* parent, const QString& nom, const Traduction& textes) {
    QString filtre;
    QString chemin =
        QFileDialog::getSaveFileName(parent, texte_qt(textes(msg::exporter_image)), nom,
                                     texte_qt(textes(msg::filtres_image)), &filtre);
    if (chemin.isEmpty()) return std::nullopt;
    // A name without a known extension takes that of the chosen kind of file.
    if (!format_du_fichier(chemin)) {
        const qsizetype debut = filtre.indexOf(QLatin1String("*."));
        chemin += filtre.mid(debut + 1, 4);
    }
    return chemin;
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
    options_.restaure(f_.menus);
    fenetre_.surface()->installEventFilter(this);
    dialogue = [this](const QString& nom) { return dialogue_qt(&fenetre_, nom, f_.textes); };
    f_.exporte_image = [this] { exporte_depuis_menu(); };
}

FamilleQt::~FamilleQt() {
    f_.exporte_image = nullptr;
    Habillage::detache(fenetre_);
}

void FamilleQt::actualise() {
    options_.retient(f_.menus);
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
    const auto chemin = dialogue ? dialogue(nom_propose()) : std::nullopt;
    if (!chemin) return;
    const auto format = format_du_fichier(*chemin);
    const auto echec = format ? ecrit_image(ImageFamille(f_, style_de_la_fenetre(f_)), *chemin,
                                            *format, echelle_de_l_ecran())
                              : std::optional<Texte>(msg::suffixe_image);
    if (echec) f_.plateforme.erreur(*echec);
}

} // namespace orvan
