// The platform of the page in a browser. A page cannot wait for the user's answer: each question
// is kept with the code that goes on with it, the page shows it as a dialog and gives the answer
// back later (`repond`). What only the page can do (a download, printing, the help) is asked of
// it once the event that wanted it has run.
#pragma once

#include "ground/plateforme.h"

#include <deque>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace orvan {

using json = nlohmann::ordered_json;

class PlateformeWeb : public Plateforme {
  public:
    // A question that waits for the page: what to show, and what goes on with the answer.
    struct Question {
        int id = 0;
        json quoi;
        std::function<void(const json& reponse)> suite;
    };
    // A window of the program shown modally, and what runs once it has closed.
    struct Modale {
        Fiche* fenetre = nullptr;
        std::function<void()> apres;
    };

    // The core's file system: where the page puts the files it opens, where saved files wait
    // to be downloaded, and where the recovery copy lives (the page keeps it in its storage).
    static constexpr const char* dossier_familles = "/familles";
    static constexpr const char* dossier_telechargements = "/telechargements";
    static constexpr const char* dossier_copies = "/secours";

    Taille ecran{1280, 800};
    std::deque<Question> questions;
    std::vector<Modale> modales;
    // What the page does once the event has run: {"telecharge": path}, {"imprime": true},
    // {"aide": page, "sujet": n}, {"exporte_image": true}, {"quitte": true}.
    std::vector<json> a_faire;

    // A file dropped on the page, already in the families' folder: the next open dialog takes it
    // without asking.
    std::optional<std::string> fichier_depose;

    // The page's answer to question id; false when no such question waits.
    bool repond(int id, const json& reponse);
    // Runs what goes on after the modal windows that have closed.
    void ferme_les_modales_closes();

    Taille mesure(const std::string& texte, const Police& police) const override;
    void montre_question(const BoiteMessage& boite, SuiteDe<bool> suite) override;
    void montre_question_trois(const BoiteMessage& boite, SuiteDe<ReponseTrois> suite) override;
    void montre_avertissement(const BoiteMessage& boite) override;
    void montre_erreur(const BoiteMessage& boite) override;
    void choisit_ouverture(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) override;
    void choisit_enregistrement(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) override;
    // A PDF is the browser's own print dialog's business.
    void choisit_pdf(const DialogueFichier&, SuiteDe<CheminChoisi> suite) override {
        suite(std::nullopt);
    }
    bool montre_aide(const DemandeAide& aide) override;
    HeureUTC heure_utc() const override;
    std::string repertoire_courant() const override { return dossier_familles; }
    std::string dossier_secours() const override { return dossier_copies; }
    Taille taille_ecran() const override { return ecran; }
    void quitter() override { a_faire.push_back({{"quitte", true}}); }
    // The page prints the family's picture itself: the window's capture is its background.
    Capture capture(const Fiche& fenetre) override;
    ResultatImpression imprime(const Capture&) override;
    bool enregistre_pdf(const Capture&, const std::string&) override { return false; }
    void montre_modale(Fiche& fenetre, std::function<void()> apres) override;
    void montre_tableau(const DemandeTableau& tableau) override;
    void montre_formulaire(const DemandeFormulaire& demande, SuiteDe<bool> suite) override;
    // A replay runs within one call of the page: nothing to show, nobody to cancel it meanwhile.
    void commence_progression(const DemandeProgression&) override {}
    bool progresse(std::size_t) override { return true; }
    void termine_progression() override {}

  private:
    void pose(json quoi, std::function<void(const json&)> suite);
    void pose_formulaire(const DemandeFormulaire& demande, SuiteDe<bool> suite);
    int prochain_id_ = 1;
};

} // namespace orvan
