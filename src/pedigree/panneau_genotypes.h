// The genotype panel as the phenotype panel drives it: both open under the individual clicked,
// and the genotype panel offers the genotypes that the mode of entry asks for.
#pragma once

#include "ui/controles.h"

#include <array>

namespace orvan {

class PanneauGenotypes {
  public:
    virtual ~PanneauGenotypes() = default;

    // The genotypes of gene g that the founders' gametes allow for individual n's sex.
    virtual void offre_genotypes(int g, int n) = 0;
    // Only the genotypes of the individual's sex can be confirmed.
    virtual void accorde_au_sexe() = 0;
    // The lists and boxes for entering individual n's genotypes directly.
    virtual void prepare_saisie(int n) = 0;
    // Sizes the panel to its lists, and shows it when asked.
    virtual void cadre(bool montre) = 0;

    Groupe* panneau = nullptr;
    std::array<RadioGroupe*, 3> radio_genotype{};
    RadioGroupe* sexe = nullptr;
    BoutonGlyphe *ok = nullptr, *annuler = nullptr;
    Groupe* groupe_nb_descendants = nullptr;
};

} // namespace orvan
