// The colour panel: the legend of the phenotypes with their colours, which the pupil changes
// by clicking a legend symbol, and the recolouring of the pedigree by phenotype.
#pragma once

#include "famille/famille.h"
#include "ground/couleurs.h"
#include "ui/controles.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace orvan {

class Fiche;

class PanneauCouleurs {
  public:
    // The panel colours the family's symbols and labels, which the pedigree makes; the trait
    // model says how many of the legend's entries its phenotypes take.
    PanneauCouleurs(Fiche& fenetre, const MesureTexte& mesure, const Famille& famille,
                    const std::array<Forme*, max_individus + 2>& symboles,
                    const std::array<Label*, max_individus + 2>& etiquettes,
                    const int& nb_phenotypes_total)
        : f(fenetre), mesure_(mesure), famille_(famille), symboles_(symboles),
          etiquettes_(etiquettes), nb_phenotypes_total_(nb_phenotypes_total) {}
    void cree_controles();

    void montre();
    void ferme();
    // A left click steps legend entry i to the next colour of the table, a right click back.
    void modif_couleur(Bouton bouton, int i);
    // Colours every symbol and label by its phenotype; the user's "OK" also hands the legend's
    // colours to `couleurs_choisies` (the log).
    void recolore(bool par_utilisateur = false);
    // The legend's colours by their numbers 1..16.
    std::array<int, max_legende + 1> couleurs_legende() const;
    // The legend's colours by their numbers 1..16, as a replayed line gives them.
    void applique_numeros(const std::array<int, max_legende + 1>& numeros);

    void remet_indices();
    void nomme(int i, const std::string& nom);
    void colore_legende(const std::string& nom, int numero, int nb_phenotypes);
    // The legend's colour of a phenotype name, when the legend holds it.
    const Couleur* couleur_du_phenotype(const std::string& nom) const;
    // The names of the legend's entries 1, 2, ... shown.
    std::vector<std::string> noms_de_la_legende() const;
    void montre_legende(int nb_phenotypes);
    void mise_en_page(int nb_phenotypes);

    // The colour table, 1..16.
    std::array<Couleur, 17> table{};
    std::array<int, max_legende + 1> indice_couleur{};

    Groupe* panneau;
    std::array<Forme*, max_legende + 1> figure_legende{};
    std::array<Label*, max_legende + 1> nom_legende{};
    BoutonGlyphe *ok, *fermer;

    std::function<void(const std::array<int, max_legende + 1>& numeros)> couleurs_choisies;

  private:
    Fiche& f;
    const MesureTexte& mesure_;
    const Famille& famille_;
    const std::array<Forme*, max_individus + 2>& symboles_;
    const std::array<Label*, max_individus + 2>& etiquettes_;
    const int& nb_phenotypes_total_;
    // The legend's phenotypes as the bank names them, 1..10: its labels show them, and may be
    // given other words by the language file.
    std::array<std::string, max_legende + 1> noms_{};
};

} // namespace orvan
