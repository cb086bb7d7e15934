// The genotype panel: the genotypes offered for an individual (entered directly, or changed by
// a right click), with the hidden genotype boxes that hold the gene's genotype list.
#pragma once

#include "genebank/modele_caracteres.h"
#include "ui/controles.h"

#include <array>

namespace orvan {

class FenetrePrincipale;

class SaisieGenotypes {
  public:
    explicit SaisieGenotypes(FenetrePrincipale& fenetre) : f(fenetre) {}
    void cree_controles();

    // The genotypes of gene g that the founders' gametes allow for individual n's sex.
    void offre_genotypes(int g, int n);
    // The lists and boxes for entering individual n's genotypes directly.
    void prepare_saisie(int n);
    // Sizes the panel to its lists; montre == 1 also shows it.
    void cadre(int montre);

    void vide_genotypes();
    void retire_premiers_items(int nb_genes);
    // Removes repeated genotypes from the boxes and closes the gaps.
    void range_cases(ModeleCaracteres& modele);
    void mise_en_page(const ModeleCaracteres& modele);

    Groupe* panneau; // Group_choix_geno
    std::array<Groupe*, 3> boites{};
    std::array<std::array<CaseACocher*, max_genotypes_gene + 1>, 3> case_genotype{};
    std::array<RadioGroupe*, 3> radio_genotype{}; // choix_gen1, choix_gen2
    RadioGroupe* sexe;
    BoutonGlyphe *ok, *annuler;
    Groupe* groupe_nb_descendants;
    Combo* nb_descendants;

  private:
    FenetrePrincipale& f;
};

} // namespace orvan
