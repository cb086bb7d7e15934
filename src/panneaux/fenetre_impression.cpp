#include "panneaux/fenetre_impression.h"
#include "ground/messages.h"
#include "ui/textes_controles.h"

#include <algorithm>

namespace orvan {

FenetreImpression::FenetreImpression(Plateforme& p) : Fiche("unit_imp"), plateforme(p) {
    ecrit_titre(*this, msg::impression, Langue::francais);
    fond = rgb(255, 255, 255);
    image = &cree<ImageCapturee>(nullptr, "Image1");
    minuterie = &cree<Minuterie>(nullptr, "Timer_imprim");
    minuterie->intervalle = 1000;
    minuterie->enabled = false;
    minuterie->on_timer = [this] { imprime_et_ferme(); };
}

// The offsets are those of a framed window's client area: border, caption and menu bar.
void FenetreImpression::place_sur(const Fiche& principale) {
    left = principale.left + 4;
    top = principale.top + 42;
    height = principale.height - 45;
    width = principale.width - 10;
    image->width = width;
    image->height = height;
}

void FenetreImpression::lance(Capture capture) {
    // The window holds the whole picture: smaller, it would cut the picture's edges, the top of
    // the title among them, off the printed page.
    width = std::max(width, capture.largeur);
    height = std::max(height, capture.hauteur);
    image->width = width;
    image->height = height;
    image->capture = std::move(capture);
    image->pinceau = rgb(255, 255, 255);
    resultat.reset();
    page = {};
    minuterie->enabled = true;
    visible = true;
}

void FenetreImpression::imprime_et_ferme() {
    minuterie->enabled = false;
    page = plateforme.capture(*this);
    resultat = plateforme.imprime(page);
    ferme();
}

void FenetreImpression::ferme() {
    minuterie->enabled = false;
    visible = false;
}

} // namespace orvan
