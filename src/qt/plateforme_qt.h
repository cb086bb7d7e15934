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
    bool ouvrir_aide(const std::string& fichier, int sujet) override;
    void quitter() override;
    void montre_modal(Fiche& fenetre) override;

    // The window the dialogs belong to.
    void set_fenetre(QWidget* fenetre) { fenetre_ = fenetre; }
    // Brings the screen up to date with the core before a dialog stops everything: the user
    // must see what the question is about.
    std::function<void()> avant_dialogue;
    // Closes the program's windows; the event loop is left afterwards.
    std::function<void()> fermeture;
    // The Qt window of a window of the core runs its modal loop; a window without one closes
    // at once, as by its close button.
    void inscrit_modale(const Fiche& fenetre, std::function<void()> boucle_modale);

  private:
    void prepare_dialogue() const;
    QWidget* parent_aide() const;
    void confie_aide(QWidget* parent) const;
    QPointer<QWidget> fenetre_;
    std::unordered_map<const Fiche*, std::function<void()>> boucles_modales_;
};

} // namespace orvan
