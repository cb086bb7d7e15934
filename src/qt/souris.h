// Hands a widget's mouse to its control's handlers, in the control's own coordinates. The widget
// pressed keeps the mouse until release (Qt grabs it for us); a disabled control ignores it.
#pragma once

#include "qt/conversions_qt.h"
#include "qt/reflet.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

namespace orvan {

template <class Base> class AvecSouris : public Base {
  public:
    template <class... A>
    AvecSouris(Controle& c, Relais& relais, A&&... args)
        : Base(std::forward<A>(args)...), c_(c), relais_(relais) {
        // The core follows the mouse over a control even with no button down.
        this->setMouseTracking(true);
    }

  protected:
    // The cursor of a box is for its frame: the controls inside it keep the ordinary arrow,
    // which Qt would otherwise hand them down from the box.
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ChildPolished && this->testAttribute(Qt::WA_SetCursor))
            if (auto* w = qobject_cast<QWidget*>(static_cast<QChildEvent*>(e)->child()))
                if (!w->testAttribute(Qt::WA_SetCursor)) w->setCursor(Qt::ArrowCursor);
        return Base::event(e);
    }
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();
        const auto b = bouton_core(e->button());
        if (!b || !c_.enabled || !c_.on_mouse_down) return;
        const QPoint p = e->position().toPoint();
        Controle& c = c_;
        relais_.traite([&c, b, p] {
            if (c.on_mouse_down) c.on_mouse_down(*b, p.x(), p.y());
        });
    }
    // The second press of a double click is a press like the first.
    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
    void mouseMoveEvent(QMouseEvent* e) override {
        e->accept();
        if (!c_.enabled || !c_.on_mouse_move) return;
        const QPoint p = e->position().toPoint();
        Controle& c = c_;
        relais_.traite([&c, p] {
            if (c.on_mouse_move) c.on_mouse_move(p.x(), p.y());
        });
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        e->accept();
        const auto b = bouton_core(e->button());
        if (!b || !c_.enabled || !c_.on_mouse_up) return;
        const QPoint p = e->position().toPoint();
        Controle& c = c_;
        relais_.traite([&c, b, p] {
            if (c.on_mouse_up) c.on_mouse_up(*b, p.x(), p.y());
        });
    }

  private:
    Controle& c_;
    Relais& relais_;
};

} // namespace orvan
