// Dragging with the mouse: the floating panels by their frame, and the pedigree's sibship lines
// (whose handlers are the pedigree's own). One drag at a time, whatever is dragged: a press on
// a draggable element starts it, the release of that element ends it.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace orvan {

class Fiche;
struct Controle;

struct EtatDeplacement {
    bool en_deplacement = false;
    // Where the mouse was pressed, in the pressed element's own coordinates.
    std::int32_t souris_x = 0;
    std::int32_t souris_y = 0;
    // The sibship line being dragged (union 0..10), and its Left when it was pressed.
    std::int32_t fratrie_deplacee = 0;
    std::int32_t gauche_depart = 0;
};

class PanneauxMobiles {
  public:
    // fenetre: the window the panels float in.
    explicit PanneauxMobiles(const Fiche& fenetre) : f(fenetre) {}
    // A press on the panel or on one of the handles, any button, starts a drag of the panel.
    void rend_mobile(Controle& panneau, std::initializer_list<Controle*> poignees = {});

    void commence(int x, int y);
    // Follows the mouse at (x, y) while a drag is on; each axis is taken only while the box
    // stays more than 15 pixels inside the part of the window in view, and on its own.
    void depl_groupe(Controle& boite, int x, int y);
    void termine() { etat.en_deplacement = false; }

    EtatDeplacement etat;

  private:
    const Fiche& f;
};

} // namespace orvan
