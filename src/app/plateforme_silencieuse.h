// The platform of the headless mode: no window, no question, fixed text metrics.
#pragma once

#include "ground/plateforme.h"

#include <iosfwd>

namespace orvan {

class PlateformeSilencieuse : public Plateforme {
  public:
    Taille mesure(const std::string& texte, const Police& police) const override;
    bool montre_question(const BoiteMessage&) override { return false; }
    // Nobody to ask: the command goes on, as it was told to.
    void montre_question_trois(const BoiteMessage&,
                               std::function<void(ReponseTrois)> suite) override {
        suite(ReponseTrois::refuse);
    }
    void montre_avertissement(const BoiteMessage&) override {}
    void montre_erreur(const BoiteMessage& boite) override;
    std::optional<std::string> choisit_ouverture(const DialogueFichier&) override {
        return std::nullopt;
    }
    std::optional<std::string> choisit_enregistrement(const DialogueFichier&) override {
        return std::nullopt;
    }
    std::optional<std::string> choisit_pdf(const DialogueFichier&) override { return std::nullopt; }
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
    void montre_modale(Fiche& fenetre) override;
    void montre_tableau(const DemandeTableau&) override {}
    bool montre_formulaire(const DemandeFormulaire&) override { return false; }
    // Nothing to show, no one to cancel.
    void commence_progression(const DemandeProgression&) override {}
    bool progresse(std::size_t) override { return true; }
    void termine_progression() override {}

    // Where the platform's error messages go: standard error unless told otherwise.
    std::ostream* sortie_erreurs = nullptr;
};

} // namespace orvan
