// Everything the program asks of the machine goes through this interface: the Qt front end,
// the headless mode and the tests each give their own.
#pragma once

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
    virtual bool ouvrir_aide(const std::string& fichier, int sujet) = 0;
    // Ends the event loop: the main window has been closed.
    virtual void quitter() = 0;
    // Shows a window of the program modally and returns once it has closed (its `visible` false
    // again): by one of its buttons, or by its own close button.
    virtual void montre_modal(Fiche& fenetre) = 0;
};

} // namespace orvan
