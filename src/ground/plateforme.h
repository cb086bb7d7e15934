// Everything the program asks of the machine goes through this interface: the Qt front end,
// the headless mode and the tests each give their own.
#pragma once

#include "ground/capture.h"
#include "ground/mesure_texte.h"
#include "ground/textes.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvan {

class Fiche;

// The answers to a question about unsaved work: do it first, go on without it, or stay.
enum class ReponseTrois { accepte, refuse, annule };

struct HeureUTC {
    int h = 0, m = 0, s = 0, ms = 0;
};

// A message box as the user sees it: title, text and the buttons' texts.
struct BoiteMessage {
    std::string titre, texte;
    std::vector<std::string> boutons;
};

// A standard file dialog: title, the folder or the name it starts from, its filters
// ("Familles (*.gen)") and, for opening, the name of the example families' place.
struct DialogueFichier {
    std::string titre, depart;
    std::vector<std::string> filtres;
    std::string lieu_exemples;
};

// The help window: its page (a file name of the help folder), the topic, the window's title,
// its buttons (back, forward, close) and what to say when the page is not found.
struct DemandeAide {
    std::string page;
    int sujet = 1;
    std::string titre;
    std::vector<std::string> boutons;
    std::string introuvable;
};

// A table in a dialog: its title, its cells (the first row and the first column are headers)
// and its close button's text.
struct DemandeTableau {
    std::string titre;
    std::vector<std::vector<std::string>> cases;
    std::string fermer;
};

// What goes on with the user's answer. A question never waits for it: a platform that can wait
// (Qt) calls the continuation before it returns, one that cannot (a page in a browser) once the
// user has answered, and the code that asked must have nothing left to do after asking.
template <class Reponse> using SuiteDe = std::function<void(Reponse)>;
using CheminChoisi = std::optional<std::string>;

// Fields in groups, in a dialog: each group a heading and its fields, each field a label, the
// text it starts with and the text that the dialog's third button writes back. When OK is
// pressed, `accepte` is given the fields' texts in order and says its verdict (it may ask the
// user first): true closes the dialog, false keeps it open (it has told the user why).
struct ChampFormulaire {
    std::string libelle, texte, par_defaut;
};
struct GroupeFormulaire {
    std::string titre;
    std::vector<ChampFormulaire> champs;
};
struct DemandeFormulaire {
    std::string titre, explication;
    std::vector<GroupeFormulaire> groupes;
    std::string ok, annuler, par_defaut;
    std::function<void(const std::vector<std::string>&, SuiteDe<bool> verdict)> accepte;
};

// A long task as the user is shown it: what is being done, the text of its cancel button (empty
// when it cannot be cancelled) and its number of steps.
struct DemandeProgression {
    std::string texte, annuler;
    std::size_t total = 0;
};

class Plateforme : public MesureTexte {
  public:
    // Boxes and dialogs speak the language of these texts (the window's), French until told.
    void parle(const Traduction& textes) { textes_ = &textes; }
    const Traduction& textes() const;

    // Warning with Yes and No; true for Yes.
    void question_oui_non(const Texte& texte, SuiteDe<bool> suite);
    void question_oui_non(const std::string& texte, SuiteDe<bool> suite);
    // Warning with three buttons: do it, go on without it, stay (also the window's close button
    // and Escape). `suite` receives the answer, at once or once the user has given it.
    void question_trois(const Texte& texte, const Texte& accepte, const Texte& refuse,
                        const Texte& annule, SuiteDe<ReponseTrois> suite);
    // Warning with one OK button.
    void avertissement(const Texte& texte);
    // The platform's own error message (a file that cannot be opened, created or written).
    void erreur(const Texte& texte);
    // Standard dialogs; nullopt when the user cancels.
    void dialogue_ouvrir(const std::string& repertoire, SuiteDe<CheminChoisi> suite);
    void dialogue_enregistrer(const std::string& nom_initial, SuiteDe<CheminChoisi> suite);
    // The save dialog for a PDF file.
    void dialogue_enregistrer_pdf(const std::string& nom, SuiteDe<CheminChoisi> suite);
    // Opens the help page of the language at a topic; false when it cannot (the platform has
    // said why).
    bool ouvrir_aide(const Texte& page, int sujet);
    // A table of texts in the window's language, in a dialog with a close button.
    void tableau(const Texte& titre, const std::vector<std::vector<Texte>>& cases);

    // What each platform does with them.
    virtual void montre_question(const BoiteMessage& boite, SuiteDe<bool> suite) = 0;
    // The box's three buttons in the order of ReponseTrois.
    virtual void montre_question_trois(const BoiteMessage& boite, SuiteDe<ReponseTrois> suite) = 0;
    virtual void montre_avertissement(const BoiteMessage& boite) = 0;
    virtual void montre_erreur(const BoiteMessage& boite) = 0;
    virtual void choisit_ouverture(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) = 0;
    virtual void choisit_enregistrement(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) = 0;
    virtual void choisit_pdf(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) = 0;
    virtual bool montre_aide(const DemandeAide& aide) = 0;

    virtual HeureUTC heure_utc() const = 0;
    virtual std::string repertoire_courant() const = 0;
    // The folder of the recovery copies of the log; empty: none are kept.
    virtual std::string dossier_secours() const { return {}; }
    virtual Taille taille_ecran() const = 0;
    // Ends the event loop: the main window has been closed.
    virtual void quitter() = 0;
    // A picture of a window's client area: its background, then its visible controls.
    virtual Capture capture(const Fiche& fenetre) = 0;
    // One page on the default printer, the picture at its top left corner as large as on a
    // 96 ppi screen.
    virtual ResultatImpression imprime(const Capture& page) = 0;
    // The same page written into a PDF file; false when the file cannot be written.
    virtual bool enregistre_pdf(const Capture& page, const std::string& chemin) = 0;
    // Shows a window of the program modally; `apres` runs once it has closed (its `visible`
    // false again): by one of its buttons, by its own timer, or by its own close button.
    virtual void montre_modale(Fiche& fenetre, std::function<void()> apres) = 0;
    // A table of texts in a dialog; returns once the user has closed it.
    virtual void montre_tableau(const DemandeTableau& tableau) = 0;
    // Fields in a dialog; true once `accepte` has taken them, false when the user cancels.
    virtual void montre_formulaire(const DemandeFormulaire& demande, SuiteDe<bool> suite) = 0;
    // A task of many steps (ground/progression.h): the window shows its progress once it has run
    // half a second, with its cancel button; `progresse` is told how many steps are done and
    // returns false once the user has cancelled; `termine_progression` closes what was shown.
    virtual void commence_progression(const DemandeProgression& demande) = 0;
    virtual bool progresse(std::size_t faits) = 0;
    virtual void termine_progression() = 0;

  private:
    const Traduction* textes_ = nullptr;
};

} // namespace orvan
