#include "qt/famille_qt.h"

#include "app/fenetre_principale.h"
#include "app/scene_fenetre.h"
#include "ground/messages.h"
#include "qt/conversions_qt.h"
#include "qt/export_image.h"
#include "qt/fenetre_qt.h"
#include "qt/image_famille.h"
#include "qt/vue_scene.h"
#include "scene/compose_scene.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

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

} // namespace

FamilleQt::FamilleQt(FenetrePrincipale& f, FenetreQt& fenetre)
    : f_(f), fenetre_(fenetre), habillage_(f), vue_(new VueScene(f, fenetre, nullptr)) {
    habillage_.attache(fenetre_);
    options_.restaure(f_.menus, f_.probabilites.frequences);
    fenetre_.pose_fond(vue_);
    confie_la_famille_a_la_vue();
    vue_->apres_changement = [this] { vue_changee(); };
    dialogue = [this](const QString& nom, int echelle, QSize taille) {
        return dialogue_qt(&fenetre_, nom, echelle, taille, f_.textes);
    };
    f_.exporte_image = [this] { exporte_depuis_menu(); };
    f_.commande_vue = [this](FenetrePrincipale::CommandeVue c) { commande(c); };
    fenetre_.apres_plein_ecran = [this](bool plein) { vue_->presentation(plein); };
}

FamilleQt::~FamilleQt() {
    f_.exporte_image = nullptr;
    f_.commande_vue = nullptr;
    Habillage::detache(fenetre_);
}

void FamilleQt::confie_la_famille_a_la_vue() {
    for (const Controle* c : {static_cast<const Controle*>(f_.coquille.titre),
                              static_cast<const Controle*>(f_.coquille.nom_fichier_lu)})
        dessines_par_la_vue_.insert(c);
    const Arbre& a = f_.arbre;
    for (std::size_t u = 0; u <= max_unions; ++u)
        dessines_par_la_vue_.insert({a.tab_couple[u], a.tab_union[u], a.tab_vertic[u]});
    for (std::size_t k = 1; k <= max_individus; ++k)
        dessines_par_la_vue_.insert(
            {a.tab_trait[k], a.tab_label[k], f_.probabilites.textes[k], f_.probabilites.points[k]});
    Miroir::Delegation d;
    d.dessine_ailleurs = [this](const Controle& c) { return dessines_par_la_vue_.count(&c) > 0; };
    d.sans_dessin = [this](const Controle& c) {
        const auto& formes = f_.arbre.tab_shape;
        return std::find(formes.begin() + 1, formes.begin() + max_individus + 1, &c) !=
               formes.begin() + max_individus + 1;
    };
    d.place = [this](const Controle& c) { return place(c); };
    d.parent_sans_dessin = vue_->viewport();
    fenetre_.miroir().delegue(std::move(d));
}

std::optional<QRect> FamilleQt::place(const Controle& c) {
    if (c.genre == Genre::forme)
        for (int k = 1; k <= max_individus; ++k)
            if (&c == f_.arbre.tab_shape[static_cast<std::size_t>(k)]) return place_symbole(k);
    if (&c == f_.phenotypes.panneau || &c == f_.genotypes.panneau) return place_panneau(c);
    return std::nullopt;
}

// In the view's viewport, where the picture has the symbol; nowhere when it has none.
std::optional<QRect> FamilleQt::place_symbole(int k) const {
    for (const SymboleScene& s : vue_->scene().symboles)
        if (s.individu == k) return vue_->vers_ecran(s.boite).toAlignedRect();
    return QRect();
}

// The core opens a choice panel under the individual's place in its own layout: the panel keeps
// that place relative to the individual's symbol in the picture, and stays in view.
std::optional<QRect> FamilleQt::place_panneau(const Controle& panneau) {
    const QRect propre(panneau.left, panneau.top, std::max(0, panneau.width),
                       std::max(0, panneau.height));
    auto ancre = std::find_if(ancres_.begin(), ancres_.end(),
                              [&](const auto& a) { return a.first == &panneau; });
    if (!panneau.affiche()) {
        if (ancre != ancres_.end()) ancres_.erase(ancre);
        return propre;
    }
    if (ancre == ancres_.end()) {
        int proche = 0;
        long long meilleure = -1;
        for (int k = 1; k <= max_individus; ++k) {
            const Forme& s = *f_.arbre.tab_shape[static_cast<std::size_t>(k)];
            if (!s.affiche()) continue;
            const long long dx = panneau.left - s.left, dy = panneau.top - s.bottom();
            if (meilleure < 0 || dx * dx + dy * dy < meilleure) {
                meilleure = dx * dx + dy * dy;
                proche = k;
            }
        }
        if (!proche) return propre;
        ancres_.emplace_back(&panneau, proche);
        ancre = ancres_.end() - 1;
    }
    const Forme& s = *f_.arbre.tab_shape[static_cast<std::size_t>(ancre->second)];
    const std::optional<QRect> symbole = place_symbole(ancre->second);
    if (!symbole || symbole->isNull()) return propre;
    const QPoint dans_la_surface =
        vue_->viewport()->mapTo(fenetre_.surface(), symbole->bottomLeft());
    QRect r = propre.translated(dans_la_surface - QPoint(s.left, s.bottom()));
    const QRect vue = vue_->geometry();
    r.moveLeft(std::max(vue.left(), std::min(r.left(), vue.right() + 1 - r.width())));
    r.moveTop(std::max(vue.top(), std::min(r.top(), vue.bottom() + 1 - r.height())));
    return r;
}

void FamilleQt::commande(FenetrePrincipale::CommandeVue c) {
    using C = FenetrePrincipale::CommandeVue;
    switch (c) {
    case C::zoom_avant:
        return vue_->zoom_avant();
    case C::zoom_arriere:
        return vue_->zoom_arriere();
    case C::taille_reelle:
        return vue_->taille_reelle();
    case C::ajuster:
        return vue_->ajuste();
    case C::presentation:
        return fenetre_.bascule_plein_ecran();
    }
}

// The symbols' widgets, the panels beside them and the ring of the focus follow the picture.
void FamilleQt::vue_changee() {
    if (dans_le_changement_) return;
    dans_le_changement_ = true;
    f_.menus.ajuster->checked = vue_->ajustee();
    fenetre_.miroir().actualise();
    if (apres_changement_de_vue) apres_changement_de_vue();
    dans_le_changement_ = false;
}

void FamilleQt::actualise() {
    options_.retient(f_.menus, f_.probabilites.frequences);
    const DonneesScene donnees = donnees_de_la_scene(f_, options_de_la_fenetre(f_));
    vue_->montre(compose_scene(donnees));
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
