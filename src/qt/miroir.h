// The widgets of one window of the core, one per control, and the refresh that brings them all
// up to the core's state. Most controls wait hidden for the right moment of a session: their
// widget is made the first time they show, which keeps the program's start quick; timers and
// menu entries are made at once.
#pragma once

#include "qt/reflet.h"
#include "ui/fiche.h"

#include <QMenuBar>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvan {

class Miroir {
  public:
    // surface: where the controls stand; barre: where the menu entries go (nullptr: none).
    Miroir(Fiche& fiche, QWidget& surface, QMenuBar* barre, Relais& relais);

    // Touches a widget only where a value differs from what it shows, so that it is cheap
    // enough to run after every event.
    void actualise();

    Reflet* reflet(const Controle& c) const;

    // Controls that another widget draws get none of their own (those made already go);
    // controls placed elsewhere than their own place stand where `place` says. A control placed
    // elsewhere that draws nothing of its own (the individuals' symbols, over the picture that
    // draws them) keeps its widget for the mouse, the focus and the screen reader.
    struct Delegation {
        std::function<bool(const Controle&)> dessine_ailleurs;
        std::function<std::optional<QRect>(const Controle&)> place;
        std::function<bool(const Controle&)> sans_dessin;
        QWidget* parent_sans_dessin = nullptr; // where those widgets stand
    };
    void delegue(Delegation d);

  private:
    struct Entree {
        Reflet* reflet = nullptr;
        bool essaye = false; // creation tried: some controls get nothing (no menu bar)
        bool enabled = true;
        std::string bulle;
        Curseur curseur = Curseur::normal;
        Police police;
    };
    void cree(std::size_t i);
    void range_sous_les_suivants(std::size_t i, QWidget* w);
    Reflet* cree_widget(Controle& c, QWidget* parent);
    Reflet* cree_menu(Menu& m);
    bool a_des_enfants(const Controle& c) const;
    void actualise_commun(Entree& e, bool premiere);

    Fiche& fiche_;
    QWidget& surface_;
    QMenuBar* barre_;
    Relais& relais_;
    std::vector<Entree> entrees_; // one per control, in the window's order
    std::unordered_map<const Controle*, Reflet*> reflets_;
    Delegation delegation_;
};

} // namespace orvan
