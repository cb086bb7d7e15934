// What the pupil sees of a family, as the probabilities read it: sexes, who descends from whom,
// and per gene the phenotype shown and the genotype known. Nothing hidden stands here.
#pragma once

#include "famille/sexe.h"
#include "regles/gametes.h"

#include <string>
#include <vector>

namespace orvan {

// One entry of a gene's genotype table, repetitions kept: an entry listed twice weighs twice.
struct EntreeTable {
    std::string phenotype; // the name, without brackets: "D"
    std::string genotype;  // "XD,Xd"
    bool operator==(const EntreeTable&) const = default;
};

struct GeneVu {
    std::string nom; // "Daltonisme d"
    std::vector<EntreeTable> table;
    bool operator==(const GeneVu&) const = default;
};

struct IndividuVu {
    int numero = 0;
    Sexe sexe = Sexe::homme;
    // The union's first and second parent, as the crossing takes them; 0 for a founder or a
    // spouse.
    int premier_parent = 0, second_parent = 0;
    // Per gene: the phenotype shown (empty when none is) and the genotype that the pupil entered
    // or changed by hand (empty when it is hidden).
    std::vector<std::string> phenotype, genotype;
    bool operator==(const IndividuVu&) const = default;
};

struct FamilleVue {
    std::vector<GeneVu> genes; // one or two
    std::vector<IndividuVu> individus;
    // The rule the program draws this family's children with: its log says which.
    RegleGametes regle = RegleGametes::un_chromosome_sexuel;
    bool operator==(const FamilleVue&) const = default;
};

} // namespace orvan
