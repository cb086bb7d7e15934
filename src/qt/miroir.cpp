#include "qt/miroir.h"

#include "ground/texte.h"

#include "qt/conversions_qt.h"
#include "qt/menus_qt.h"
#include "qt/minuterie_qt.h"
#include "qt/widgets_dessines.h"
#include "qt/widgets_saisie.h"

#include <algorithm>

namespace orvan {

Miroir::Miroir(Fiche& fiche, QWidget& surface, QMenuBar* barre, Relais& relais)
    : fiche_(fiche), surface_(surface), barre_(barre), relais_(relais) {
    if (barre_) barre_->installEventFilter(new BullesDeLaBarre(barre_));
}

Reflet* Miroir::reflet(const Controle& c) const {
    const auto it = reflets_.find(&c);
    return it == reflets_.end() ? nullptr : it->second;
}

bool Miroir::a_des_enfants(const Controle& c) const {
    return std::any_of(fiche_.composants().begin(), fiche_.composants().end(),
                       [&c](const auto& autre) { return autre->parent == &c; });
}

void Miroir::cree(std::size_t i) {
    Entree& e = entrees_[i];
    e.essaye = true;
    Controle& c = *fiche_.composants()[i];
    if (auto* m = dynamic_cast<Menu*>(&c)) {
        e.reflet = cree_menu(*m);
    } else {
        QWidget* parent = &surface_;
        if (delegation_.parent_sans_dessin && delegation_.sans_dessin && delegation_.sans_dessin(c))
            parent = delegation_.parent_sans_dessin;
        else if (c.parent)
            if (Reflet* rp = reflet(*c.parent); rp && rp->widget()) parent = rp->widget();
        e.reflet = cree_widget(c, parent);
    }
    if (!e.reflet) return;
    reflets_[&c] = e.reflet;
    if (delegation_.sans_dessin && delegation_.sans_dessin(c)) e.reflet->dessin_ailleurs();
    if (QWidget* w = e.reflet->widget()) {
        w->setObjectName(QString::fromStdString(c.nom));
        range_sous_les_suivants(i, w);
    }
    actualise_commun(e, true);
}

// Later controls stand above earlier ones: a widget made late goes under those of the controls
// created after its own.
void Miroir::range_sous_les_suivants(std::size_t i, QWidget* w) {
    for (std::size_t j = i + 1; j < entrees_.size(); ++j) {
        if (!entrees_[j].reflet) continue;
        QWidget* suivant = entrees_[j].reflet->widget();
        if (suivant && suivant->parentWidget() == w->parentWidget()) {
            w->stackUnder(suivant);
            return;
        }
    }
}

Reflet* Miroir::cree_widget(Controle& c, QWidget* parent) {
    switch (c.genre) {
    case Genre::forme:
        if (auto* f = dynamic_cast<Forme*>(&c)) return new FormeQt(*f, relais_, parent);
        break;
    case Genre::label:
        if (auto* l = dynamic_cast<Label*>(&c)) return new LabelQt(*l, relais_, parent);
        break;
    case Genre::panel:
        if (auto* p = dynamic_cast<Panel*>(&c)) return new PanelQt(*p, relais_, parent);
        break;
    case Genre::groupe:
        if (auto* g = dynamic_cast<Groupe*>(&c)) return new GroupeQt(*g, relais_, parent);
        break;
    case Genre::radio:
        if (auto* r = dynamic_cast<RadioGroupe*>(&c)) return new RadioGroupeQt(*r, relais_, parent);
        break;
    case Genre::case_a_cocher:
        if (auto* k = dynamic_cast<CaseACocher*>(&c)) return new CaseQt(*k, relais_, parent);
        break;
    case Genre::combo:
        if (auto* k = dynamic_cast<Combo*>(&c)) return new ComboQt(*k, relais_, parent);
        break;
    case Genre::liste:
        if (auto* l = dynamic_cast<Liste*>(&c)) return new ListeQt(*l, parent);
        break;
    case Genre::memo:
        if (auto* m = dynamic_cast<Memo*>(&c)) return new MemoQt(*m, parent);
        break;
    case Genre::bouton:
        if (auto* b = dynamic_cast<BoutonGlyphe*>(&c)) return new BoutonQt(*b, relais_, parent);
        break;
    case Genre::bouton_plat:
        if (auto* b = dynamic_cast<BoutonGlyphe*>(&c)) return new BoutonPlatQt(*b, relais_, parent);
        break;
    case Genre::minuterie:
        if (auto* m = dynamic_cast<Minuterie*>(&c)) return new MinuterieQt(*m, relais_, &surface_);
        break;
    case Genre::image:
        if (auto* i = dynamic_cast<Image*>(&c)) return new ImageQt(*i, parent);
        break;
    case Genre::saisie:
        if (auto* s = dynamic_cast<Saisie*>(&c)) return new SaisieQt(*s, relais_, parent);
        break;
    case Genre::biseau:
        if (auto* b = dynamic_cast<Biseau*>(&c)) return new BiseauQt(*b, parent);
        break;
    case Genre::menu:
        break;
    }
    return nullptr;
}

Reflet* Miroir::cree_menu(Menu& m) {
    if (!barre_) return nullptr;
    QMenu* sous_menu = nullptr;
    QAction* action = nullptr;
    const bool deroulant = a_des_enfants(m);
    if (!m.parent) {
        if (deroulant)
            sous_menu = barre_->addMenu(texte_qt(m.caption));
        else
            action = barre_->addAction(texte_qt(m.caption));
    } else {
        auto* parent = dynamic_cast<MenuQt*>(reflet(*m.parent));
        if (!parent || !parent->sous_menu()) return nullptr;
        if (deroulant)
            sous_menu = parent->sous_menu()->addMenu(texte_qt(m.caption));
        else if (m.separateur)
            action = parent->sous_menu()->addSeparator();
        else
            action = parent->sous_menu()->addAction(texte_qt(m.caption));
    }
    if (sous_menu) sous_menu->setObjectName(QString::fromStdString(m.nom));
    return new MenuQt(m, relais_, action, sous_menu, barre_);
}

void Miroir::actualise() {
    const auto& composants = fiche_.composants();
    if (entrees_.size() < composants.size()) entrees_.resize(composants.size());
    for (std::size_t i = 0; i < composants.size(); ++i) {
        Entree& e = entrees_[i];
        if (e.reflet) {
            actualise_commun(e, false);
            continue;
        }
        const Controle& c = *composants[i];
        const bool sans_widget = c.genre == Genre::menu || c.genre == Genre::minuterie;
        if (e.essaye || !(sans_widget || c.affiche())) continue;
        if (delegation_.dessine_ailleurs && delegation_.dessine_ailleurs(c))
            e.essaye = true;
        else
            cree(i);
    }
}

void Miroir::actualise_commun(Entree& e, bool premiere) {
    Reflet& r = *e.reflet;
    QWidget* w = r.widget();
    if (!w) {
        r.actualise();
        return;
    }
    const Controle& c = r.controle();
    std::optional<QRect> ailleurs = delegation_.place ? delegation_.place(c) : std::nullopt;
    const QRect geometrie = ailleurs ? *ailleurs : r.geometrie();
    if (w->geometry() != geometrie) w->setGeometry(geometrie);
    if (premiere || c.enabled != e.enabled) {
        e.enabled = c.enabled;
        if (r.suit_activation()) w->setEnabled(c.enabled);
    }
    if (premiere || c.police.taille != e.police.taille || c.police.gras != e.police.gras) {
        e.police = c.police;
        w->setFont(police_qt(c.police));
    }
    if (premiere || c.curseur != e.curseur) {
        e.curseur = c.curseur;
        if (c.curseur == Curseur::normal)
            w->unsetCursor();
        else
            w->setCursor(curseur_qt(c.curseur));
    }
    const Controle& source = c.bulle_de ? *c.bulle_de : c;
    const std::string bulle =
        fiche_.show_hint_global && c.show_hint ? bulle_lisible(source.hint) : std::string();
    if (premiere || bulle != e.bulle) {
        e.bulle = bulle;
        w->setToolTip(texte_qt(bulle));
    }
    r.actualise();
    // Last, so that a widget appears with its final look.
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
}

} // namespace orvan

namespace orvan {

void Miroir::delegue(Delegation d) {
    delegation_ = std::move(d);
    for (std::size_t i = 0; i < entrees_.size(); ++i) {
        Entree& e = entrees_[i];
        if (!e.reflet || !e.reflet->widget()) continue;
        const Controle& c = e.reflet->controle();
        const bool ailleurs = delegation_.dessine_ailleurs && delegation_.dessine_ailleurs(c);
        if (!ailleurs && !(delegation_.sans_dessin && delegation_.sans_dessin(c))) continue;
        // Made again where it now belongs at the next pass, if it is to have one.
        reflets_.erase(&c);
        delete e.reflet->widget();
        e.reflet = nullptr;
        e.essaye = ailleurs;
    }
}

} // namespace orvan
