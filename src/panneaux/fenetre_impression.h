// The print window: borderless, laid over the main window, it shows the captured picture of
// that window, prints it a second after it appears and closes itself.
#pragma once

#include "ground/plateforme.h"
#include "ui/fiche.h"

#include <optional>

namespace orvan {

// The window's only picture: the capture, centred on a plain brush.
struct ImageCapturee : Image {
    explicit ImageCapturee(std::string n) : Image(std::move(n)) {}
    Capture capture;
    Couleur pinceau = rgb(255, 255, 255);
};

class FenetreImpression : public Fiche {
  public:
    explicit FenetreImpression(Plateforme& plateforme);

    // Over the client area of the main window as it stands.
    void place_sur(const Fiche& principale);
    // The picture received, the window grown to hold all of it, the timer started and the
    // window shown.
    void lance(Capture page);
    // Timer_imprimTimer: prints the window's own picture and closes.
    void imprime_et_ferme();
    // Closed whatever happened: the main window must get its input back.
    void ferme();

    ImageCapturee* image;
    Minuterie* minuterie;
    // How the last printing ended, and the page it sent; none while nothing has been printed.
    std::optional<ResultatImpression> resultat;
    Capture page;

  private:
    Plateforme& plateforme;
};

} // namespace orvan
