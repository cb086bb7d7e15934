// The platform of the headless mode: no window, no question, fixed text metrics.
#pragma once

#include "ground/plateforme.h"

#include <functional>
#include <iosfwd>

namespace orvan {

class PlateformeSilencieuse : public Plateforme {
  public:
    Taille mesure(const std::string& texte, const Police& police) const override;
    void montre_question(const BoiteMessage&, SuiteDe<bool> suite) override { suite(false); }
    // Nobody to ask: the command goes on, as it was told to.
    void montre_question_trois(const BoiteMessage&, SuiteDe<ReponseTrois> suite) override {
        suite(ReponseTrois::refuse);
    }
    void montre_avertissement(const BoiteMessage&) override {}
    void montre_erreur(const BoiteMessage& boite) override;
    void choisit_ouverture(const DialogueFichier&, SuiteDe<CheminChoisi> suite) override {
        suite(std::nullopt);
    }
    void choisit_enregistrement(const DialogueFichier&, SuiteDe<CheminChoisi> suite) override {
        suite(std::nullopt);
    }
    void choisit_pdf(const DialogueFichier&, SuiteDe<CheminChoisi> suite) override {
        suite(std::nullopt);
    }
    HeureUTC heure_utc() const override;
    std::string repertoire_courant() const override;
    Taille taille_ecran() const override { return {1024, 768}; }
    bool montre_aide(const DemandeAide&) override { return false; }
    void quitter() override {}
    // A picture of the window's size in its background colour; no printer, no PDF.
    Capture capture(const Fiche& fenetre) override;
    ResultatImpression imprime(const Capture&) override {
        return ResultatImpression::sans_imprimante;
    }
    bool enregistre_pdf(const Capture&, const std::string&) override { return false; }
    // No one to wait for: the window's timers tick until it closes; a window that no timer
    // closes is closed at once, as by its close button.
    void montre_modale(Fiche& fenetre, std::function<void()> apres) override;
    void montre_tableau(const DemandeTableau&) override {}
    void montre_formulaire(const DemandeFormulaire&, SuiteDe<bool> suite) override { suite(false); }
    // Nothing to show, no one to cancel.
    void commence_progression(const DemandeProgression&) override {}
    bool progresse(std::size_t) override { return !poursuite || poursuite(); }
    void termine_progression() override {}

    // Asked as the headless window's tasks go on, when a task outside it waits for them: false
    // cancels them.
    std::function<bool()> poursuite;

    // Where the platform's error messages go: standard error unless told otherwise.
    std::ostream* sortie_erreurs = nullptr;

  protected:
    // The window's timers tick until it closes; one that no timer closes is closed at once.
    static void laisse_tourner(Fiche& fenetre);
};

} // namespace orvan
