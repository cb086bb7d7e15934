// The choice of one or two genes of the bank, and the working trait model it builds.
#pragma once

#include "genebank/modele_caracteres.h"

#include <cstddef>
#include <string>

namespace orvan {

class FenetrePrincipale;
struct BoutonGlyphe;
struct Groupe;
struct Memo;
struct RadioGroupe;

class ChoixGenes {
  public:
    explicit ChoixGenes(FenetrePrincipale& fenetre) : f(fenetre) {}
    void cree_controles();

    // Lists the genes of the bank in both lists.
    void extrait_maladies();
    // The lists for one or two genes, as a mode choice leaves them.
    void prepare_choix(int nb_genes);
    void clic_premier_gene();
    void clic_second_gene();
    // "OK": builds the trait model of the chosen genes and every panel that shows it.
    void confirme_genes();
    void annule();
    bool choix_complet() const;

    ModeleCaracteres modele;

    Groupe* panneau;
    RadioGroupe *premier_gene, *second_gene;
    BoutonGlyphe *ok, *annuler;
    Memo* banque; // the gene bank's text

  private:
    void clic_liste(RadioGroupe& liste, const RadioGroupe& autre, int numero_liste);
    void dimension_choix(int type);
    void vide_modele();
    void montre_titre(const std::string& texte);
    void lit_banque(const std::string& nom1, const std::string& nom2);
    void lit_gene(int g, std::size_t entete);
    std::size_t lit_phenotypes(int g, std::size_t entete);
    std::size_t lit_genotypes(int g, std::size_t debut);
    void lit_relations(int g, std::size_t debut);
    void applique_couleurs(const std::string& ligne);
    void melange(int g);
    FenetrePrincipale& f;
};

} // namespace orvan
