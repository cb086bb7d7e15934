#include "qt/vue_scene.h"

#include "app/fenetre_principale.h"
#include "ground/texte.h"
#include "qt/conversions_qt.h"
#include "qt/dessin_scene.h"
#include "qt/reflet.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace orvan {

namespace {

// At a desk, a small family fitted to the window keeps its own size: it would otherwise grow
// into posters, and under the start picture.
constexpr double zoom_ajuste_max = 1;
constexpr double pas_zoom = 1.25;
// How far from a line, in pixels of the screen, a press still takes it.
constexpr double prise_ligne = 4;

bool contient(const Boite& b, QPointF p, double marge = 0) {
    return p.x() >= b.x - marge && p.x() <= b.droite() + marge && p.y() >= b.y - marge &&
           p.y() <= b.bas() + marge;
}

} // namespace

VueScene::VueScene(FenetrePrincipale& f, Relais& relais, QWidget* parent)
    : QAbstractScrollArea(parent), f_(f), relais_(relais) {
    setObjectName(QStringLiteral("vue_famille"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
}

void VueScene::montre(Scene scene) {
    scene_ = std::move(scene);
    if (ajustee_) zoom_ = zoom_ajuste();
    met_a_jour_barres();
    viewport()->update();
    if (apres_changement) apres_changement();
}

double VueScene::zoom_ajuste() const {
    if (scene_.largeur <= 0 || scene_.hauteur <= 0) return 1;
    const QSize vue = viewport()->size();
    const double z = std::min(vue.width() / scene_.largeur, vue.height() / scene_.hauteur);
    return std::clamp(z, zoom_min, presentation_ ? zoom_max : zoom_ajuste_max);
}

void VueScene::change_zoom(double zoom, QPointF fixe) {
    zoom = std::clamp(zoom, zoom_min, zoom_max);
    const QPointF point = vers_scene(fixe);
    zoom_ = zoom;
    met_a_jour_barres();
    // The point under the mouse stays under it.
    const QPointF ecart = origine() + point * zoom_ - fixe;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(ecart.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(ecart.y()));
    viewport()->update();
    if (apres_changement) apres_changement();
}

void VueScene::zoom_avant() {
    ajustee_ = false;
    change_zoom(zoom_ * pas_zoom, QRectF(viewport()->rect()).center());
}

void VueScene::zoom_arriere() {
    ajustee_ = false;
    change_zoom(zoom_ / pas_zoom, QRectF(viewport()->rect()).center());
}

void VueScene::taille_reelle() {
    ajustee_ = false;
    change_zoom(1, QRectF(viewport()->rect()).center());
}

void VueScene::ajuste() {
    ajustee_ = true;
    change_zoom(zoom_ajuste(), QRectF(viewport()->rect()).center());
}

void VueScene::presentation(bool oui) {
    presentation_ = oui;
    ajuste();
}

void VueScene::met_a_jour_barres() {
    const QSize vue = viewport()->size();
    const int largeur = static_cast<int>(std::ceil(scene_.largeur * zoom_));
    const int hauteur = static_cast<int>(std::ceil(scene_.hauteur * zoom_));
    horizontalScrollBar()->setRange(0, std::max(0, largeur - vue.width()));
    horizontalScrollBar()->setPageStep(vue.width());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, hauteur - vue.height()));
    verticalScrollBar()->setPageStep(vue.height());
    verticalScrollBar()->setSingleStep(20);
}

// A picture narrower than the view stands in its middle, one lower than it at its top, where
// the family grows from (the start picture and the panels take the window's lower part); a
// larger one scrolls.
QPointF VueScene::origine() const {
    const QSize vue = viewport()->size();
    const double largeur = scene_.largeur * zoom_, hauteur = scene_.hauteur * zoom_;
    const double x =
        largeur < vue.width() ? (vue.width() - largeur) / 2 : -horizontalScrollBar()->value();
    const double y = hauteur < vue.height() ? 0 : -verticalScrollBar()->value();
    return {std::round(x), std::round(y)};
}

QRectF VueScene::vers_ecran(const Boite& b) const {
    const QPointF o = origine();
    return {o.x() + b.x * zoom_, o.y() + b.y * zoom_, b.largeur * zoom_, b.hauteur * zoom_};
}

QPointF VueScene::vers_scene(QPointF ecran) const {
    return (ecran - origine()) / zoom_;
}

void VueScene::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), couleur_qt(f_.fond));
    p.translate(origine());
    p.scale(zoom_, zoom_);
    if (!glissement_) {
        dessine_scene(p, scene_);
        return;
    }
    // The sibship's line follows the hand; the children take their places once it lets go.
    Scene s = scene_;
    const double dx =
        f_.arbre.tab_union[static_cast<std::size_t>(glissement_->union_famille)]->left -
        glissement_->gauche_depart;
    for (TraitScene& t : s.traits)
        if (t.role == RoleTrait::fratrie && t.union_famille == glissement_->union_famille) {
            t.x1 += dx;
            t.x2 += dx;
        }
    dessine_scene(p, s);
}

void VueScene::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    if (ajustee_) zoom_ = zoom_ajuste();
    met_a_jour_barres();
    if (apres_changement) apres_changement();
}

void VueScene::scrollContentsBy(int, int) {
    viewport()->update();
    if (apres_changement) apres_changement();
}

void VueScene::wheelEvent(QWheelEvent* e) {
    if (!(e->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(e);
        return;
    }
    e->accept();
    const double crans = e->angleDelta().y() / 120.0;
    if (crans == 0) return;
    ajustee_ = false;
    change_zoom(zoom_ * std::pow(pas_zoom, crans), e->position());
}

VueScene::Touche VueScene::touche(QPointF point) const {
    Arbre& a = f_.arbre;
    for (const TexteScene& t : scene_.textes) {
        if (t.individu < 1 || !contient(t.boite, point)) continue;
        const auto k = static_cast<std::size_t>(t.individu);
        if (t.role == RoleTexte::probabilite) return {f_.probabilites.textes[k], nullptr};
        return {a.tab_label[k], nullptr};
    }
    for (const PaveScene& x : scene_.points)
        if (contient(x.boite, point))
            return {f_.probabilites.points[static_cast<std::size_t>(x.individu)], nullptr};
    for (const SymboleScene& x : scene_.symboles)
        if (contient(x.boite, point))
            return {a.tab_shape[static_cast<std::size_t>(x.individu)], nullptr};
    const double marge = prise_ligne / zoom_;
    for (const TraitScene& t : scene_.traits) {
        if (t.role == RoleTrait::autre || t.union_famille < 0 || t.union_famille > max_unions ||
            !contient(t.boite(), point, marge))
            continue;
        const auto u = static_cast<std::size_t>(t.union_famille);
        if (t.role == RoleTrait::fratrie) return {a.tab_union[u], a.tab_union[u]};
        return {a.tab_vertic[u], nullptr};
    }
    return {};
}

void VueScene::mousePressEvent(QMouseEvent* e) {
    e->accept();
    const auto b = bouton_core(e->button());
    const QPointF point = vers_scene(e->position());
    const Touche t = touche(point);
    if (!b || !t.controle || !t.controle->enabled || !t.controle->on_mouse_down) return;
    Controle& c = *t.controle;
    if (t.ligne_fratrie && *b == Bouton::gauche)
        glissement_ = Glissement{t.ligne_fratrie, -1, point.x(), t.ligne_fratrie->left};
    if (glissement_)
        for (int u = 0; u <= max_unions; ++u)
            if (f_.arbre.tab_union[static_cast<std::size_t>(u)] == t.ligne_fratrie)
                glissement_->union_famille = u;
    const Bouton bouton = *b;
    relais_.traite([&c, bouton] {
        if (c.on_mouse_down) c.on_mouse_down(bouton, 0, 0);
    });
}

// In the line's own coordinates, as its widget would have them: the line has moved by what the
// core allowed so far.
void VueScene::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    const QPointF point = vers_scene(e->position());
    if (!glissement_) {
        const Touche t = touche(point);
        const bool prend = t.controle && t.controle->enabled && t.controle->on_mouse_down;
        if (prend && t.controle->curseur != Curseur::normal)
            viewport()->setCursor(curseur_qt(t.controle->curseur));
        else if (prend)
            viewport()->setCursor(Qt::PointingHandCursor);
        else
            viewport()->unsetCursor();
        return;
    }
    orvan::Panel& ligne = *glissement_->ligne;
    const int x = static_cast<int>(std::lround(point.x() - glissement_->x_depart)) -
                  (ligne.left - glissement_->gauche_depart);
    relais_.traite([&ligne, x] {
        if (ligne.on_mouse_move) ligne.on_mouse_move(x, 0);
    });
    viewport()->update();
}

void VueScene::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (!glissement_) return;
    orvan::Panel& ligne = *glissement_->ligne;
    const auto b = bouton_core(e->button());
    glissement_.reset();
    if (!b || !ligne.on_mouse_up) return;
    const Bouton bouton = *b;
    relais_.traite([&ligne, bouton] {
        if (ligne.on_mouse_up) ligne.on_mouse_up(bouton, 0, 0);
    });
    viewport()->update();
}

bool VueScene::viewportEvent(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(e);
    auto* aide = static_cast<QHelpEvent*>(e);
    const QPointF point = vers_scene(aide->pos());
    const Controle* c = touche(point).controle;
    // The title tells the genes' comments.
    if (!c && !scene_.textes.empty() && scene_.textes.front().texte == scene_.titre &&
        contient(scene_.textes.front().boite, point))
        c = f_.coquille.titre;
    const Controle* source = c && c->bulle_de ? c->bulle_de : c;
    const bool montre = c && f_.show_hint_global && c->show_hint && !source->hint.empty();
    if (montre)
        QToolTip::showText(aide->globalPos(), texte_qt(bulle_lisible(source->hint)), viewport());
    else
        QToolTip::hideText();
    return true;
}

} // namespace orvan
