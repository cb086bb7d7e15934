// A window of the program: its own properties and its controls in creation order.
#pragma once

#include "ui/controles.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvan {

class Fiche {
  public:
    explicit Fiche(std::string nom) : nom_(std::move(nom)) {}
    virtual ~Fiche() = default;
    Fiche(const Fiche&) = delete;
    Fiche& operator=(const Fiche&) = delete;

    const std::string& nom() const { return nom_; }
    const std::vector<std::unique_ptr<Controle>>& composants() const { return composants_; }
    Controle* trouve(const std::string& nom) const;

    std::string caption;
    // Both forms of the caption when the program gave it: a change of language writes it again.
    std::optional<Texte> texte;
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
    // The part of the window in view as the screen shows it, in the controls' coordinates, once
    // the front end has told it: it follows the user's resizing and scrolling, while width and
    // height stay the size the program gave. Only the floating panels keep within it; the
    // family's layout and drawing never read it.
    struct PartieVisible {
        int gauche = 0, haut = 0, droite = 0, bas = 0;
        bool operator==(const PartieVisible&) const = default;
    };
    std::optional<PartieVisible> partie_visible;
    bool au_premier_plan = false;
    Couleur fond = rgb(240, 240, 240);
    bool show_hint_global = true;         // the application-wide hint switch
    std::function<void(int)> on_key_down; // key code: 112 for F1
    // The window's close button; unset, the window closes at once.
    std::function<void()> on_close;

    // Creates a control of the window; the creation order is the stacking order and the order
    // in which the language file walks the controls.
    template <class T, class... A> T& cree(Controle* parent, A&&... args) {
        auto c = std::make_unique<T>(std::forward<A>(args)...);
        c->parent = parent;
        T& ref = *c;
        composants_.push_back(std::move(c));
        return ref;
    }

  private:
    std::string nom_;
    std::vector<std::unique_ptr<Controle>> composants_;
};

} // namespace orvan
