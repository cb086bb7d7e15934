// The pedigree: parallel arrays by individual (1..40) and by union (0..10).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvan {

constexpr int max_individus = 40;
constexpr int max_unions = 10;

constexpr bool individu_valide(int k) {
    return k >= 1 && k <= max_individus;
}

struct Fratrie {
    std::int32_t debut = 0;
    std::int32_t nb_enfants = 0;
};

// How a parent's two genes go into its gametes when both lie on the X chromosome.
enum class RegleGametes {
    // The two genes' alleles mixed freely, the father's X with his Y: the rule of the families
    // saved before the sex chromosomes were kept whole.
    melange_libre,
    // A gamete carries one sex chromosome: a father gives his X with his alleles of both genes,
    // or his Y, each half the time.
    un_chromosome_sexuel,
};

struct Pedigree {
    std::array<std::string, max_individus + 1> geno1, geno2, pheno1, pheno2;
    // Whether each symbol was enabled when the genotype questions began.
    std::array<std::uint8_t, max_individus + 1> etat_actif{};
    std::array<Fratrie, max_unions + 1> fratrie{};

    std::int32_t nb_unions = 0;
    std::int32_t dernier_indiv = 0;
    std::int32_t parent_union = 0;
    std::int32_t indiv_courant = 0;
    std::int32_t gauche_fondateur1 = 0;
    std::int32_t demi_ecart = 60;
    std::int32_t haut_gen1 = 50;
    std::int32_t haut_gen2 = 150;
    std::int32_t haut_gen3 = 250;
    std::uint8_t mode_interro_geno = 0;

    // Gametes of the last crossing's parents, index 0..3.
    std::array<std::string, 4> gam_parent1, gam_parent2;
    // The rule the family's children are drawn with: its log says which.
    RegleGametes regle_gametes = RegleGametes::melange_libre;

    // The individual whose choice panel is open; 0 when none.
    std::int32_t choix_en_cours = 0;
    std::uint8_t changement_genotype = 0;
    std::int32_t indiv_saisi = 0;
};

} // namespace orvan
