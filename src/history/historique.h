// The history panel: the event log shown as a list, its replay ("lancer"), undo ("<---"), and
// the log read from and written to .gen files.
#pragma once

#include <string>
#include <vector>

namespace orvan {

class FenetrePrincipale;
struct BoutonGlyphe;
struct Groupe;
struct Liste;

class Historique {
  public:
    explicit Historique(FenetrePrincipale& fenetre) : f(fenetre) {}
    void cree_controles();

    // Replays the whole log through the same handlers, with the window hidden.
    void rejoue_journal();
    // Removes the last action (a whole run of shifts or of genotype choices) and replays.
    void annule_derniere_action();
    // "Édition" › "Annuler": the last whole action of the user's, kept for "Rétablir".
    void annule_action();
    // "Édition" › "Rétablir": the last action undone, done again.
    void retablit_action();
    // The two entries enabled when they have something to do.
    void actualise_edition();
    void montre();
    void ferme();
    void ouvrir();
    void enregistrer();
    // Reads a .gen file into the log and replays it, as "Ouvrir" does once a file is chosen.
    bool ouvre_fichier(const std::string& chemin);

    Groupe* panneau;
    Liste* evenements;
    BoutonGlyphe *lancer, *annuler, *fermer;

  private:
    std::size_t premiere_ligne_d_action() const;
    template <class E> bool annule_serie();

    FenetrePrincipale& f;
    // The actions undone, the last one last; a new action of the user's forgets them.
    std::vector<std::vector<std::string>> actions_annulees;
    std::string dernier_nom_enregistre = "*.gen";
};

} // namespace orvan
