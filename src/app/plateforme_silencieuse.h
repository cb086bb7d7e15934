// The platform of the headless mode: no window, no question, fixed text metrics.
#pragma once

#include "app/plateforme.h"

#include <iosfwd>

namespace orvan {

class PlateformeSilencieuse : public Plateforme {
  public:
    Taille mesure(const std::string& texte, const Police& police) const override;
    bool question_oui_non(const std::string&) override { return false; }
    void avertissement(const std::string&) override {}
    void erreur(const std::string& texte) override;
    std::optional<std::string> dialogue_ouvrir(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> dialogue_enregistrer(const std::string&) override {
        return std::nullopt;
    }
    HeureUTC heure_utc() const override;
    std::string repertoire_courant() const override;
    Taille taille_ecran() const override { return {1024, 768}; }
    bool ouvrir_aide(int) override { return false; }
    void quitter() override {}
    // A picture of the window's size in its background colour; no printer, no PDF.
    Capture capture(const Fiche& fenetre) override;
    ResultatImpression imprime(const Capture&) override {
        return ResultatImpression::sans_imprimante;
    }
    bool enregistre_pdf(const Capture&, const std::string&) override { return false; }
    std::optional<std::string> dialogue_enregistrer_pdf(const std::string&) override {
        return std::nullopt;
    }
    // No one to wait for: the window's timers tick until it closes; a window that no timer
    // closes is closed at once, as by its close button.
    void montre_modale(Fiche& fenetre) override;

    // Where the platform's error messages go: standard error unless told otherwise.
    std::ostream* sortie_erreurs = nullptr;
};

} // namespace orvan
