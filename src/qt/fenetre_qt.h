// A window of the core shown as a Qt main window: its menu bar, its controls, and the rule that
// every user action goes to the core and is followed by a refresh of everything. The controls
// stand on a surface that scrolls when they reach beyond the part of it in view; the window can
// take any size, while the core keeps its own for its layout.
#pragma once

#include "qt/miroir.h"
#include "qt/reflet.h"
#include "ui/fiche.h"

#include <QMainWindow>
#include <QScrollArea>

#include <functional>
#include <string>

namespace orvan {

class FenetreQt : public QMainWindow, public Relais {
  public:
    explicit FenetreQt(Fiche& fiche);

    void traite(const std::function<void()>& gestionnaire) override;
    // The window's own values, then every control's.
    void actualise();

    QWidget* surface() const { return surface_; }
    QScrollArea* zone() const { return zone_; }
    const Miroir& miroir() const { return miroir_; }
    Miroir& miroir() { return miroir_; }
    // A widget under every control that always fills the part of the surface in view (the
    // family's picture); it does not count in how far the surface reaches.
    void pose_fond(QWidget* fond);
    // F11: the window fills the screen, or comes back.
    void bascule_plein_ecran();
    std::function<void(bool)> apres_plein_ecran;
    // Runs after the refresh that follows each event.
    std::function<void()> apres_evenement;
    // Closes the window without asking the core: it has already decided.
    void ferme_sans_demander();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    // The close button asks the core, which may ask the user and closes through the platform.
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

  private:
    void actualise_fenetre();
    // Tells the core which part of the surface is in view, after a resize or a scroll.
    void note_partie_visible();
    void etend_surface();
    // Wide enough for every menu of the bar: none hides behind its overflow button.
    void elargit_pour_les_menus();
    QSize place_sur_lecran() const;
    QPoint dans_lecran(QPoint coin) const;
    Fiche& fiche_;
    QScrollArea* zone_;
    QWidget* surface_;
    Miroir miroir_;
    bool premiere_ = true;
    unsigned mnemoniques_pour_ = ~0u; // the menus' version their letters were given for
    bool fermeture_decidee_ = false;
    std::string caption_;
    int left_ = 0, top_ = 0;
    QSize taille_, etendue_;
    QWidget* fond_widget_ = nullptr;
    int largeur_menus_ = 0;
    Couleur fond_ = 0;
    bool premier_plan_ = false;
};

} // namespace orvan
