// One individual of the family: what the program holds of it, and what the pupil sees.
#pragma once

#include "famille/genotype.h"
#include "famille/sexe.h"

#include <array>
#include <string>

namespace orvan {

// The top left corner of the individual's symbol in the window.
struct Position {
    int gauche = 0;
    int haut = 0;
    bool operator==(const Position&) const = default;
};

struct Individu {
    Sexe sexe = Sexe::homme;
    Position position;
    bool visible = false;
    // A symbol that takes clicks: a parent's does not once its sibship is drawn, every one
    // does while the genotype questions run.
    bool actif = true;

    // Hidden from the pupil: the genotype of each gene, drawn by the program or entered.
    std::array<Genotype, 2> genotypes;
    // The phenotype of each gene as it was chosen in the panel or drawn for a child.
    std::array<std::string, 2> phenotypes;

    // What the pupil sees: the label under the symbol ("[A]", "[A,Rh+]")...
    std::string phenotype_affiche;
    // ...the genotype in the symbol's tooltip once a choice or a draw gave one (possibly empty
    // when the gene bank had none to draw)...
    bool genotype_donne = false;
    // ...and whether the pupil entered or changed that genotype by hand. The label's tooltip
    // keeps the genotype as it was drawn or entered: a change by hand leaves it.
    bool genotype_saisi = false;
    std::string bulle_etiquette;

    // gene: 1 or 2.
    Genotype& genotype(int gene) { return genotypes[static_cast<std::size_t>(gene - 1)]; }
    const Genotype& genotype(int gene) const {
        return genotypes[static_cast<std::size_t>(gene - 1)];
    }
    std::string& phenotype(int gene) { return phenotypes[static_cast<std::size_t>(gene - 1)]; }
    const std::string& phenotype(int gene) const {
        return phenotypes[static_cast<std::size_t>(gene - 1)];
    }
    // The tooltip's text: "XD,Y//", "A,O//Rh+,Rh-"; empty before any genotype was given.
    std::string bulle() const;
    // The genotypes the pupil knows: those entered or changed by hand; none otherwise.
    const std::array<Genotype, 2>* genotype_connu() const {
        return genotype_saisi ? &genotypes : nullptr;
    }
};

} // namespace orvan
