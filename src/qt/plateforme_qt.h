// What the program asks of the machine, answered with Qt: message boxes, file dialogs, the
// clock, the screen, text measurement and the help file.
#pragma once

#include "app/plateforme.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <unordered_map>

namespace orvan {

class PlateformeQt : public Plateforme {
  public:
    Taille mesure(const std::string& texte, const Police& police) const override;
    bool question_oui_non(const std::string& texte) override;
    void avertissement(const std::string& texte) override;
    void erreur(const std::string& texte) override;
    std::optional<std::string> dialogue_ouvrir(const std::string& repertoire,
                                               const std::string& motif) override;
    std::optional<std::string> dialogue_enregistrer(const std::string& nom_initial) override;
    HeureUTC heure_utc() const override;
    std::string repertoire_courant() const override;
    Taille taille_ecran() const override;
    bool ouvrir_aide(int sujet) override;
    void quitter() override;
    Capture capture(const Fiche& fenetre) override;
    ResultatImpression imprime(const Capture& page) override;
    bool enregistre_pdf(const Capture& page, const std::string& chemin) override;
    std::optional<std::string> dialogue_enregistrer_pdf(const std::string& nom) override;
    void montre_modale(Fiche& fenetre) override;

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
    QWidget* parent_aide() const;
    void confie_aide(QWidget* parent) const;
    QPointer<QWidget> fenetre_;
};

} // namespace orvan
