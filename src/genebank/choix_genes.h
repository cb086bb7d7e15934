// The choice of one or two genes of the bank, and the working trait model it builds.
#pragma once

#include "ground/textes.h"
#include "regles/modele_caracteres.h"

#include <cstddef>
#include <string>

namespace orvan {

class Fiche;
class Journal;
class PanneauCouleurs;
class Plateforme;
class VuesDesGenes;
struct BoutonGlyphe;
struct Generateur;
struct Groupe;
struct Memo;
struct RadioGroupe;

// What the gene choice receives from the window.
struct LiensGenes {
    Fiche& fenetre;
    Plateforme& plateforme;
    const Traduction& textes;
    Journal& journal;
    Generateur& alea;
    PanneauCouleurs& couleurs;
    VuesDesGenes& vues;
};

class ChoixGenes {
  public:
    explicit ChoixGenes(LiensGenes& liens) : f(liens) {}
    void cree_controles();

    // Lists the genes of the bank in both lists.
    void extrait_maladies();
    // The lists for one or two genes, as a mode choice leaves them.
    void prepare_choix(int nb_genes);
    void clic_premier_gene();
    void clic_second_gene();
    // "OK": builds the trait model of the chosen genes and every panel that shows it.
    void confirme_genes();
    // A new choice of genes starts from none: the title, legend and trait model of the last
    // confirmation go, so that undoing back to the choice shows what opening its lines shows.
    void oublie_genes();
    void annule();
    bool choix_complet() const;
    // The title in the middle of the window, after its text changed.
    void centre_titre();

    ModeleCaracteres modele;

    Groupe* panneau;
    RadioGroupe *premier_gene, *second_gene;
    BoutonGlyphe *ok, *annuler;
    Memo* banque; // the gene bank's text

    // The gene of the bank that a list has selected, by the bank's own name; empty when none.
    std::string nom_choisi(const RadioGroupe& liste) const;

  private:
    void clic_liste(RadioGroupe& liste, const RadioGroupe& autre, int numero_liste);
    void dimension_choix(int type);
    void vide_modele();
    void montre_titre(const Texte& texte);
    void lit_banque(const std::string& nom1, const std::string& nom2);
    void lit_gene(int g, std::size_t entete);
    std::size_t lit_phenotypes(int g, std::size_t entete);
    std::size_t lit_genotypes(int g, std::size_t debut);
    void lit_relations(int g, std::size_t debut);
    void applique_couleurs(const std::string& ligne);
    void melange(int g);
    LiensGenes& f;
};

} // namespace orvan
