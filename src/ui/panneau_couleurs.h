// The colour panel: the legend of the phenotypes with their colours, which the pupil changes
// by clicking a legend symbol, and the recolouring of the pedigree by phenotype.
#pragma once

#include "genebank/modele_caracteres.h"
#include "history/evenement.h"
#include "ui/controles.h"

#include <array>
#include <string>
#include <vector>

namespace orvan {

class FenetrePrincipale;

class PanneauCouleurs {
  public:
    explicit PanneauCouleurs(FenetrePrincipale& fenetre) : f(fenetre) {}
    void cree_controles();

    void montre();
    void ferme();
    // A left click steps legend entry i to the next colour of the table, a right click back.
    void modif_couleur(Bouton bouton, int i);
    // Colours every symbol and label by its phenotype; the user's "OK" also writes the
    // legend's colours to the log.
    void recolore(bool par_utilisateur = false);
    ev::CouleursLegende couleurs_legende() const;
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

  private:
    FenetrePrincipale& f;
};

} // namespace orvan
