#include "panneaux/panneaux_mobiles.h"

#include "ui/fiche.h"

namespace orvan {

void PanneauxMobiles::rend_mobile(Controle& panneau, std::initializer_list<Controle*> poignees) {
    Controle* p = &panneau;
    const auto relie = [this, p](Controle& c) {
        c.curseur = Curseur::deplacement;
        c.on_mouse_down = [this](Bouton, int x, int y) { commence(x, y); };
        c.on_mouse_move = [this, p](int x, int y) { depl_groupe(*p, x, y); };
        c.on_mouse_up = [this](Bouton, int, int) { termine(); };
    };
    relie(panneau);
    for (Controle* c : poignees)
        relie(*c);
}

void PanneauxMobiles::commence(int x, int y) {
    etat.souris_x = x;
    etat.souris_y = y;
    etat.en_deplacement = true;
}

void PanneauxMobiles::depl_groupe(Controle& boite, int x, int y) {
    if (!etat.en_deplacement) return;
    // Until the screen has said what it shows, the client area of the window's own size: its
    // height includes the caption and menu bar, 45 pixels.
    const Fiche::PartieVisible vue =
        f.partie_visible.value_or(Fiche::PartieVisible{0, 0, f.width, f.height - 45});
    const std::int64_t gauche = std::int64_t{boite.left} + x - etat.souris_x;
    if (gauche < vue.droite - 15 && gauche + boite.width > vue.gauche + 15)
        boite.left = static_cast<int>(gauche);
    const std::int64_t haut = std::int64_t{boite.top} + y - etat.souris_y;
    if (haut < vue.bas - 15 && haut + boite.height > vue.haut + 15)
        boite.top = static_cast<int>(haut);
}

} // namespace orvan
