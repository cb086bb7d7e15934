// What the program asks of the machine, answered with Qt: message boxes, file dialogs, the
// clock, the screen, text measurement and the help file.
#pragma once

#include "ground/plateforme.h"
#include "qt/progression_qt.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <unordered_map>

namespace orvan {

class PlateformeQt : public Plateforme {
  public:
    Taille mesure(const std::string& texte, const Police& police) const override;
    void montre_question(const BoiteMessage& boite, SuiteDe<bool> suite) override;
    void montre_question_trois(const BoiteMessage& boite, SuiteDe<ReponseTrois> suite) override;
    void montre_avertissement(const BoiteMessage& boite) override;
    void montre_erreur(const BoiteMessage& boite) override;
    void choisit_ouverture(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) override;
    void choisit_enregistrement(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) override;
    void choisit_pdf(const DialogueFichier& d, SuiteDe<CheminChoisi> suite) override;
    HeureUTC heure_utc() const override;
    std::string repertoire_courant() const override;
    std::string dossier_secours() const override { return dossier_secours_; }
    // Where the recovery copies go: the program sets the user's data folder, the tests none.
    std::string dossier_secours_;
    Taille taille_ecran() const override;
    bool montre_aide(const DemandeAide& aide) override;
    void quitter() override;
    Capture capture(const Fiche& fenetre) override;
    ResultatImpression imprime(const Capture& page) override;
    bool enregistre_pdf(const Capture& page, const std::string& chemin) override;
    void montre_modale(Fiche& fenetre, std::function<void()> apres) override;
    void montre_tableau(const DemandeTableau& tableau) override;
    void montre_formulaire(const DemandeFormulaire& demande, SuiteDe<bool> suite) override;
    void commence_progression(const DemandeProgression& demande) override;
    bool progresse(std::size_t faits) override;
    void termine_progression() override;

    // The window the dialogs belong to.
    void set_fenetre(QWidget* fenetre) { fenetre_ = fenetre; }
    // Brings the screen up to date with the core before a dialog stops everything: the user
    // must see what the question is about.
    std::function<void()> avant_dialogue;
    // Closes the program's windows; the event loop is left afterwards.
    std::function<void()> fermeture;
    // A window of the core as Qt shows it: what capture and montre_modale need of it.
    struct VueQt {
        QPointer<QWidget> zone_client;
        std::function<void()> actualise;
        // Runs the window's modal loop; empty for a window never shown modally, which then
        // closes at once, as by its close button.
        std::function<void()> montre_modale;
    };
    std::unordered_map<const Fiche*, VueQt> vues;

  private:
    void prepare_dialogue() const;
    // A save dialog that proposes the name d.depart and adds the suffix to a bare name.
    std::optional<std::string> choisit_ou_ecrire(const DialogueFichier& d, const QString& suffixe);
    QWidget* parent_aide() const;
    void confie_aide(QWidget* parent) const;
    QPointer<QWidget> fenetre_;
    ProgressionQt progression_;
    // Measuring through Qt costs more than replaying a line that sets a caption, and a long log
    // sets the same captions again and again: each text is measured once per font.
    mutable std::unordered_map<std::string, Taille> mesures_;
};

} // namespace orvan
