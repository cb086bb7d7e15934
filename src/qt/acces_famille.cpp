#include "qt/acces_famille.h"
#include "qt/impression_qt.h"

#include "app/fenetre_principale.h"
#include "ground/messages.h"
#include "qt/conversions_qt.h"
#include "qt/fenetre_qt.h"
#include "qt/widgets_dessines.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace orvan {

namespace {

const char* const propriete_individu = "orvan_individu";
const char* const propriete_inactif = "orvan_inactif";
const char* const propriete_etiquette_individu = "orvan_etiquette_individu";

// An individual is a button to the screen reader (Enter acts on it); another symbol, a
// picture. The screen reader may ask before the symbol has become an individual.
class SymboleAccessible : public QAccessibleWidget {
  public:
    explicit SymboleAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::Role role() const override {
        return widget()->property(propriete_individu).isValid() ? QAccessible::Button
                                                                : QAccessible::Graphic;
    }
    // An individual that takes no more clicks (a parent, the third generation) is read as
    // unavailable, though it keeps the focus.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->property(propriete_inactif).toBool()) s.disabled = true;
        return s;
    }
};

// A painted text (a mark, a warning, a panel's caption) is read as what it says. An
// individual's phenotype label is left out: its symbol already says it.
class EtiquetteAccessible : public QAccessibleWidget {
  public:
    explicit EtiquetteAccessible(LabelQt* l)
        : QAccessibleWidget(l, QAccessible::StaticText), l_(l) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && l_->accessibleName().isEmpty()) return l_->texte();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (l_->property(propriete_etiquette_individu).toBool() || l_->texte().isEmpty())
            s.invisible = true;
        return s;
    }

  private:
    LabelQt* l_;
};

QAccessibleInterface* fabrique_accessible(const QString&, QObject* objet) {
    if (auto* forme = dynamic_cast<FormeQt*>(objet)) return new SymboleAccessible(forme);
    if (auto* etiquette = dynamic_cast<LabelQt*>(objet)) return new EtiquetteAccessible(etiquette);
    return nullptr;
}

bool sans_modificateur(const QKeyEvent& e) {
    return (e.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

std::optional<Direction> direction(int touche) {
    switch (touche) {
    case Qt::Key_Up:
        return Direction::haut;
    case Qt::Key_Down:
        return Direction::bas;
    case Qt::Key_Left:
        return Direction::gauche;
    case Qt::Key_Right:
        return Direction::droite;
    default:
        return std::nullopt;
    }
}

// The first control of a panel that Tab would reach.
QWidget* premier_du_panneau(QWidget* panneau) {
    for (QWidget* w = panneau->nextInFocusChain(); w && w != panneau; w = w->nextInFocusChain())
        if (panneau->isAncestorOf(w) && w->isVisibleTo(panneau) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus))
            return w;
    return nullptr;
}

} // namespace

// Two rings around the symbol, black outside and white inside: one of them stands out from
// whatever colour lies beside it. Above every control, and blind to the mouse.
class AnneauFocus : public QWidget {
  public:
    explicit AnneauFocus(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("anneau_focus"));
        // The keyboard's place belongs to the screen: a printed page leaves it out.
        setProperty(hors_capture, true);
        hide();
    }
    static constexpr int marge = 6;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 3));
        p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
        p.setPen(QPen(Qt::white, 2));
        p.drawRoundedRect(QRectF(rect()).adjusted(4, 4, -4, -4), 3, 3);
    }
};

AccesFamilleQt::AccesFamilleQt(FenetrePrincipale& f, FenetreQt& fenetre)
    : QObject(&fenetre), f_(f), fenetre_(fenetre), anneau_(new AnneauFocus(fenetre.surface())) {
    static const bool fabrique_installee = [] {
        QAccessible::installFactory(fabrique_accessible);
        return true;
    }();
    (void)fabrique_installee;
}

QWidget* AccesFamilleQt::widget_individu(int k) const {
    if (!individu_valide(k)) return nullptr;
    const Reflet* r = fenetre_.miroir().reflet(*f_.arbre.tab_shape[static_cast<std::size_t>(k)]);
    return r ? const_cast<Reflet*>(r)->widget() : nullptr;
}

Langue AccesFamilleQt::langue() const {
    return f_.textes.langue();
}

int AccesFamilleQt::individu_du_widget(const QObject* w) const {
    const QVariant v = w ? w->property(propriete_individu) : QVariant();
    return v.isValid() ? v.toInt() : 0;
}

void AccesFamilleQt::actualise() {
    const QString nom_famille = texte_qt(msg::la_famille.dans(f_.textes.langue()));
    if (fenetre_.surface()->accessibleName() != nom_famille)
        fenetre_.surface()->setAccessibleName(nom_famille);
    famille_ = decrit_famille(f_);
    for (const IndividuDecrit& i : famille_) {
        QWidget* w = widget_individu(i.k);
        if (!w) continue;
        if (!w->property(propriete_individu).isValid()) {
            if (const Reflet* r =
                    fenetre_.miroir().reflet(*f_.arbre.tab_label[static_cast<std::size_t>(i.k)]))
                const_cast<Reflet*>(r)->widget()->setProperty(propriete_etiquette_individu, true);
            w->setProperty(propriete_individu, i.k);
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(this);
        }
        if (w->property(propriete_inactif).toBool() == i.actif) {
            w->setProperty(propriete_inactif, !i.actif);
            QAccessible::State change;
            change.disabled = true;
            QAccessibleStateChangeEvent evenement(w, change);
            QAccessible::updateAccessibility(&evenement);
        }
        const QString nom = texte_qt(nom_accessible(i, f_.textes.langue()));
        if (w->accessibleName() != nom) w->setAccessibleName(nom);
        const QString description =
            texte_qt(description_accessible(i, famille_, f_.textes.langue()));
        if (w->accessibleDescription() != description) w->setAccessibleDescription(description);
    }
    ordonne_tabulation();
    suit_panneaux();
    // The scroll area that holds the family is no place for the focus to stay: it names nobody.
    QWidget* focus = fenetre_.focusWidget();
    const bool sans_focus =
        !focus || !focus->isVisible() || focus == fenetre_.zone() || focus == fenetre_.surface();
    if (sans_focus && !famille_.empty() && !choix_ouvert_) {
        const int k = trouve(famille_, courant_) ? courant_ : famille_.front().k;
        if (QWidget* w = widget_individu(k)) w->setFocus(Qt::OtherFocusReason);
    }
    place_anneau();
}

void AccesFamilleQt::ordonne_tabulation() {
    std::vector<int> ordre;
    for (const IndividuDecrit& i : famille_)
        ordre.push_back(i.k);
    if (ordre == ordre_) return;
    ordre_ = ordre;
    for (std::size_t n = 1; n < ordre.size(); ++n) {
        QWidget* avant = widget_individu(ordre[n - 1]);
        QWidget* apres = widget_individu(ordre[n]);
        if (avant && apres) QWidget::setTabOrder(avant, apres);
    }
}

// A choice panel that opens takes the focus; when it closes, the individual it was opened for
// gets it back.
void AccesFamilleQt::suit_panneaux() {
    const std::array<const Controle*, 3> panneaux = {f_.phenotypes.panneau, f_.genotypes.panneau,
                                                     f_.alleles.panneau};
    const Controle* ouvert = nullptr;
    for (const Controle* p : panneaux)
        if (p->affiche()) ouvert = p;
    const bool etait_ouvert = choix_ouvert_;
    choix_ouvert_ = ouvert != nullptr;
    if (ouvert && !etait_ouvert) {
        const Reflet* r = fenetre_.miroir().reflet(*ouvert);
        QWidget* panneau = r ? const_cast<Reflet*>(r)->widget() : nullptr;
        if (QWidget* w = panneau ? premier_du_panneau(panneau) : nullptr)
            w->setFocus(Qt::TabFocusReason);
    } else if (!ouvert && etait_ouvert) {
        const int k = trouve(famille_, courant_) ? courant_ : 0;
        if (QWidget* w = widget_individu(k)) w->setFocus(Qt::OtherFocusReason);
    }
}

void AccesFamilleQt::place_anneau() {
    QWidget* w = trouve(famille_, courant_) ? widget_individu(courant_) : nullptr;
    const bool montre =
        clavier_ && w && w->isVisible() && (w->hasFocus() || !fenetre_.isActiveWindow());
    if (!montre) {
        anneau_->hide();
        return;
    }
    const int m = AnneauFocus::marge;
    // The symbol's widget stands in the picture's view, the ring over every control.
    const QRect symbole(w->mapTo(fenetre_.surface(), QPoint(0, 0)), w->size());
    anneau_->setGeometry(symbole.adjusted(-m, -m, m, m));
    anneau_->raise();
    anneau_->show();
    anneau_->update();
}

void AccesFamilleQt::choisit(int k, bool prend_focus) {
    if (!trouve(famille_, k)) return;
    if (courant_ != k) {
        courant_ = k;
        if (apres_changement) apres_changement(k);
    }
    // Chosen in the table: the ring shows where the family's keys now act.
    clavier_ = true;
    if (prend_focus)
        if (QWidget* w = widget_individu(k)) {
            fenetre_.activateWindow();
            w->setFocus(Qt::OtherFocusReason);
        }
    place_anneau();
}

bool AccesFamilleQt::eventFilter(QObject* objet, QEvent* e) {
    const int k = individu_du_widget(objet);
    if (k == 0) return false;
    switch (e->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason raison = static_cast<QFocusEvent*>(e)->reason();
        if (raison == Qt::TabFocusReason || raison == Qt::BacktabFocusReason ||
            raison == Qt::ShortcutFocusReason)
            clavier_ = true;
        if (courant_ != k) {
            courant_ = k;
            if (apres_changement) apres_changement(k);
        }
        place_anneau();
        return false;
    }
    case QEvent::MouseButtonPress:
        clavier_ = false;
        place_anneau();
        return false;
    case QEvent::FocusOut:
        place_anneau();
        return false;
    case QEvent::KeyPress:
        clavier_ = true;
        return touche(k, *static_cast<QKeyEvent*>(e));
    default:
        return false;
    }
}

bool AccesFamilleQt::touche(int k, QKeyEvent& e) {
    const int t = e.key();
    const bool alt = (e.modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
    if (const auto d = direction(t)) {
        if (alt && (*d == Direction::gauche || *d == Direction::droite)) {
            decale_fratrie(k, *d == Direction::droite ? pas_fratrie : -pas_fratrie);
            return true;
        }
        if (alt) {
            plie_fratrie(k, *d == Direction::haut);
            return true;
        }
        if (!sans_modificateur(e)) return false;
        if (QWidget* w = widget_individu(voisin(famille_, k, *d)))
            w->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const bool entree = t == Qt::Key_Return || t == Qt::Key_Enter || t == Qt::Key_Space;
    // While a choice waits, Enter and Escape belong to its panel.
    if (entree && sans_modificateur(e) && !choix_ouvert_) {
        clique(k, true);
        return true;
    }
    const bool menu = (t == Qt::Key_Menu && sans_modificateur(e)) ||
                      (t == Qt::Key_F10 && e.modifiers() == Qt::ShiftModifier);
    if (menu) {
        clique(k, false);
        return true;
    }
    return false;
}

// As the mouse does: a control that takes no click ignores the key too.
void AccesFamilleQt::clique(int k, bool gauche) {
    Controle& c = *f_.arbre.tab_shape[static_cast<std::size_t>(k)];
    if (!c.enabled || !c.on_mouse_down) return;
    const Bouton b = gauche ? Bouton::gauche : Bouton::droit;
    fenetre_.traite([&c, b] { c.on_mouse_down(b, c.width / 2, c.height / 2); });
}

// The line is pressed, moved and released as a drag would: the same bounds, the same line in
// the log.
void AccesFamilleQt::decale_fratrie(int k, int delta) {
    const IndividuDecrit* i = trouve(famille_, k);
    if (!i) return;
    const int u = i->fratrie >= 0 ? i->fratrie : i->union_conjoint;
    if (u < 0 || u > max_unions) return;
    Panel& ligne = *f_.arbre.tab_union[static_cast<std::size_t>(u)];
    if (!ligne.affiche() || !ligne.enabled) return;
    const int x = ligne.width / 2, y = ligne.height / 2;
    fenetre_.traite([&ligne, x, y] { ligne.on_mouse_down(Bouton::gauche, x, y); });
    fenetre_.traite([&ligne, x, y, delta] { ligne.on_mouse_move(x + delta, y); });
    fenetre_.traite([&ligne, x, y, delta] { ligne.on_mouse_up(Bouton::gauche, x + delta, y); });
}

// The sibship below k: its vertical line's click folds it or unfolds it.
void AccesFamilleQt::plie_fratrie(int k, bool plier) {
    const IndividuDecrit* i = trouve(famille_, k);
    if (!i || i->union_conjoint < 1 || i->union_conjoint > max_unions) return;
    const auto u = static_cast<std::size_t>(i->union_conjoint);
    const Union& un = f_.famille.union_numero(u);
    if (un.nb_enfants <= 0 || !individu_valide(un.premier_enfant)) return;
    const bool plie = !f_.famille.individu(un.premier_enfant).visible;
    Panel& verticale = *f_.arbre.tab_vertic[u];
    if (plie == plier || !verticale.on_mouse_down || !verticale.enabled) return;
    fenetre_.traite([&verticale] { verticale.on_mouse_down(Bouton::gauche, 2, 2); });
}

} // namespace orvan
