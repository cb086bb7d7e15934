// Everything the program asks of the machine goes through this interface: the Qt front end,
// the headless mode and the tests each give their own.
#pragma once

#include "ui/capture.h"
#include "ui/controles.h"

#include <optional>
#include <string>

namespace orvan {

class Fiche;

struct HeureUTC {
    int h = 0, m = 0, s = 0, ms = 0;
};

class Plateforme : public MesureTexte {
  public:
    // Warning with Yes and No; true for Yes.
    virtual bool question_oui_non(const std::string& texte) = 0;
    // Warning with one OK button.
    virtual void avertissement(const std::string& texte) = 0;
    // The platform's own error message (a file that cannot be opened, created or written).
    virtual void erreur(const std::string& texte) = 0;
    // Standard dialogs; nullopt when the user cancels.
    virtual std::optional<std::string> dialogue_ouvrir(const std::string& repertoire,
                                                       const std::string& motif) = 0;
    virtual std::optional<std::string> dialogue_enregistrer(const std::string& nom_initial) = 0;
    virtual HeureUTC heure_utc() const = 0;
    virtual std::string repertoire_courant() const = 0;
    virtual Taille taille_ecran() const = 0;
    // Opens the help file at a topic; false when it cannot (the platform has said why).
    virtual bool ouvrir_aide(int sujet) = 0;
    // Ends the event loop: the main window has been closed.
    virtual void quitter() = 0;
    // A picture of a window's client area: its background, then its visible controls.
    virtual Capture capture(const Fiche& fenetre) = 0;
    // One page on the default printer, the picture at its top left corner as large as on a
    // 96 ppi screen.
    virtual ResultatImpression imprime(const Capture& page) = 0;
    // The same page written into a PDF file; false when the file cannot be written.
    virtual bool enregistre_pdf(const Capture& page, const std::string& chemin) = 0;
    // The save dialog for a PDF file; nullopt when the user cancels.
    virtual std::optional<std::string> dialogue_enregistrer_pdf(const std::string& nom) = 0;
    // Shows a window of the program modally and returns once it has closed (its `visible` false
    // again): by one of its buttons, by its own timer, or by its own close button.
    virtual void montre_modale(Fiche& fenetre) = 0;
};

} // namespace orvan
