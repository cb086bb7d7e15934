// A widget mirrors one control of the core. The core holds every value; the widget only shows
// them and hands the user's actions back to the core's handlers.
#pragma once

#include "ui/controles.h"

#include <QRect>

#include <algorithm>
#include <functional>

class QWidget;

namespace orvan {

// Runs a handler of the core for a user action, then brings every widget up to date.
class Relais {
  public:
    virtual ~Relais() = default;
    virtual void traite(const std::function<void()>& gestionnaire) = 0;
};

// Runs a handler of the core; an error it raises is shown over the window, and false returned,
// instead of ending the program.
bool execute_gestionnaire(const std::function<void()>& gestionnaire);

class Reflet {
  public:
    virtual ~Reflet() = default;
    virtual const Controle& controle() const = 0;
    // The widget placed in the window; nullptr for what has none (timers, menu entries), which
    // then keeps every value of its control up to date itself.
    virtual QWidget* widget() = 0;
    // Brings the values proper to this kind of control up to date; position, visibility,
    // enabling, font, cursor and hint are the mirror's business.
    virtual void actualise() = 0;
    // Where the widget stands in its parent: its control's place, unless it draws elsewhere.
    virtual QRect geometrie() const {
        const Controle& c = controle();
        return {c.left, c.top, std::max(0, c.width), std::max(0, c.height)};
    }
    // Whether the widget is disabled with its control; one that stays enabled checks the
    // control itself before it hands the mouse on.
    virtual bool suit_activation() const { return true; }
    // Another widget draws what this one would: it keeps only its place and its input.
    virtual void dessin_ailleurs() {}
};

} // namespace orvan
