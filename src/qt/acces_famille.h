// The family for the keyboard and the screen reader. Every individual shown takes the focus and
// bears the name the core gives it ("II-3, femme, [d], daltonienne"); Tab goes through them in
// reading order, the arrows along the pedigree, Enter and Space act as the left button, Shift+F10
// and the menu key as the right one, Alt+Left/Right shift the sibship as its line's drag does and
// Alt+Up/Down fold and unfold the sibship below, as its vertical line's click does. The keys go
// through the very handlers of the mouse, so the log gets the same lines. A ring that nothing
// covers shows the individual with the focus once the keyboard has moved it, until the mouse
// clicks an individual.
#pragma once

#include "app/description_famille.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QKeyEvent;
class QWidget;

namespace orvan {

class AnneauFocus;
class FenetrePrincipale;
class FenetreQt;
struct Controle;

class AccesFamilleQt : public QObject {
  public:
    AccesFamilleQt(FenetrePrincipale& f, FenetreQt& fenetre);

    // After each event: names, focus order, the panel that opened or closed, the ring.
    void actualise();
    const std::vector<IndividuDecrit>& famille() const { return famille_; }
    // The individual with the focus, or the one last chosen in the family's table; 0: none.
    int courant() const { return courant_; }
    Langue langue() const;
    // Chosen from elsewhere (the table): the ring moves there; prend_focus gives it the focus.
    void choisit(int k, bool prend_focus);
    QWidget* widget_individu(int k) const;
    // The ring around the individual with the focus, where its symbol now stands.
    void place_anneau();
    // When the individual with the focus changes.
    std::function<void(int)> apres_changement;

    // A sibship line moves by this many pixels for each key press.
    static constexpr int pas_fratrie = 5;

  protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

  private:
    bool touche(int k, QKeyEvent& e);
    void clique(int k, bool gauche);
    void decale_fratrie(int k, int delta);
    void plie_fratrie(int k, bool plier);
    void suit_panneaux();
    void ordonne_tabulation();
    int individu_du_widget(const QObject* w) const;

    FenetrePrincipale& f_;
    FenetreQt& fenetre_;
    std::vector<IndividuDecrit> famille_;
    std::vector<int> ordre_; // the focus order last given
    int courant_ = 0;
    bool choix_ouvert_ = false;
    // The ring shows where the keyboard acts, once the keyboard has been used, as desktop
    // programs show it: under the mouse it would read as a selection.
    bool clavier_ = false;
    AnneauFocus* anneau_;
};

} // namespace orvan
