// The menu bar's entries. An entry with entries under it is a menu that drops down; the others
// are commands. Hidden entries stay in place, hidden, so that the order never changes.
#pragma once

#include "qt/reflet.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

#include <string>

namespace orvan {

class MenuQt : public QObject, public Reflet {
  public:
    // sous_menu: the menu this entry drops down, or nullptr for a command (action then given).
    MenuQt(Menu& m, Relais& relais, QAction* action, QMenu* sous_menu, QObject* parent);
    const Controle& controle() const override { return m_; }
    QWidget* widget() override { return nullptr; }
    void actualise() override;
    QAction* action() const { return action_; }
    QMenu* sous_menu() const { return sous_menu_; }

  private:
    const Menu& m_;
    QPointer<QAction> action_;
    QPointer<QMenu> sous_menu_;
    std::string caption_;
    int raccourci_ = -1;
    int raccourci_bis_ = -1;
    std::string bulle_;
};

// The menu bar shows the hint of an entry that cannot be opened: what that entry waits for.
class BullesDeLaBarre : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* objet, QEvent* e) override;
};

// Alt and a letter open a menu of the bar, a letter picks an entry of an open menu: the entries
// shown take their first letters where they are free, then their second ones, and so on, so
// that each takes a plain letter none other in its menu took; the letter is underlined.
void attribue_mnemoniques(const QList<QAction*>& entrees);
// Counts the changes of any entry's caption or visibility, and the entries made: the letters
// need giving again only when it moved.
unsigned version_des_menus();

// A shortcut given as the core gives it: a key code with 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
QKeySequence raccourci_qt(int code);

} // namespace orvan
