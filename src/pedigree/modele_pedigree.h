// What the pedigree's handlers keep between two events besides the family itself: the panel
// being filled, the last crossing's gametes, the rows' heights, the genotype question mode.
#pragma once

#include "famille/famille.h"
#include "regles/gametes.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvan {

// How the pupil gives an individual its traits: by its phenotypes, which the program draws
// genotypes for, or by its genotypes outright.
enum class ModeSaisie : std::uint8_t { phenotypes, genotypes };

struct Pedigree {
    ModeSaisie mode_saisie = ModeSaisie::phenotypes;

    // Whether each symbol was enabled when the genotype questions began.
    std::array<bool, max_individus + 1> etat_actif{};

    std::int32_t indiv_courant = 0;
    std::int32_t gauche_fondateur1 = 0;
    std::int32_t demi_ecart = 60;
    std::int32_t haut_gen1 = 50;
    std::int32_t haut_gen2 = 150;
    std::int32_t haut_gen3 = 250;
    // A click on an individual asks its genotype instead of opening its panel.
    bool mode_interro_geno = false;

    // Gametes of the last crossing's parents, index 0..3.
    std::array<std::string, 4> gam_parent1, gam_parent2;
    // The rule the family's children are drawn with: its log says which.
    RegleGametes regle_gametes = RegleGametes::melange_libre;
    // Per union, the total of its sibship's logged shifts: the picture slides the sibship by it.
    std::array<std::int32_t, max_unions + 1> decalages_fratries{};
    // A sex choice keeps couples a man and a woman: its log says so.
    bool couples_homme_femme = false;

    // The individual whose choice panel is open; 0 when none.
    std::int32_t choix_en_cours = 0;
    // The panel open is a change of genotype (right click), not a choice of phenotypes.
    bool changement_genotype = false;
    std::int32_t indiv_saisi = 0;
    // The sex the individual had when its panel opened: a cancel gives it back.
    Sexe sexe_a_l_ouverture = Sexe::homme;
};

} // namespace orvan
