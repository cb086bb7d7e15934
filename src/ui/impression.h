// "Imprimer": the main window's client area is captured over the print background, shown in
// the print window, which prints it; when no printer takes the page, it may go to a PDF file.
#pragma once

#include "ui/fenetre_impression.h"

namespace orvan {

class FenetrePrincipale;

class Impression {
  public:
    explicit Impression(FenetrePrincipale& fenetre);

    // Imprimer1Click. Nothing is written to the event log and the family does not change.
    void imprime();

    FenetreImpression fenetre;

  private:
    void propose_pdf(ResultatImpression resultat);
    FenetrePrincipale& f;
};

// What the pupil is told when the page could not be printed.
const Texte& message_impression(ResultatImpression resultat);

} // namespace orvan
