// "Imprimer": the main window's client area is captured over the print background, shown in
// the print window, which prints it; when no printer takes the page, it may go to a PDF file.
#pragma once

#include "panneaux/fenetre_impression.h"

#include <string>

namespace orvan {

class Fiche;
struct Image;

class Impression {
  public:
    // fenetre: the window that is printed, in the language of its texts.
    Impression(Fiche& fenetre, Plateforme& plateforme, const Traduction& textes);
    // The start picture, and the background the capture is taken over; once they are made.
    void relie_images(Image& depart, Image& fond) {
        depart_ = &depart;
        fond_ = &fond;
    }

    // Imprimer1Click. Nothing is written to the event log and the family does not change.
    void imprime();

    FenetreImpression fenetre;

  private:
    void met_le_fond();
    void apres_impression();
    void propose_pdf(ResultatImpression resultat);
    void enregistre_pdf(const std::string& chemin);
    Fiche& f;
    Plateforme& plateforme_;
    const Traduction& textes_;
    Image* depart_ = nullptr;
    Image* fond_ = nullptr;
    bool image_visible = false;
};

// What the pupil is told when the page could not be printed.
const Texte& message_impression(ResultatImpression resultat);

} // namespace orvan
