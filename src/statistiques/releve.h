// One family as the statistics read it: every individual with its sex, its parents, what the
// pupil sees and what the program keeps hidden.
#pragma once

#include "famille/sexe.h"
#include "regles/gametes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvan {

// One entry of a gene's genotype table, repetitions kept.
struct EntreeGenotype {
    std::string genotype;  // "XD,Xd"
    std::string phenotype; // "D"
};

struct GeneReleve {
    std::string nom;                     // "Daltonisme d"
    std::vector<std::string> phenotypes; // in the order of the gene bank
    std::vector<EntreeGenotype> table;
};

// The probability of being a carrier, as it is shown beside the symbol.
struct ProbabiliteAffichee {
    std::string fraction; // "2/3"
    double valeur = 0;
    // Whether the hidden genotype is a carrier's: two alleles, one of which the phenotype hides.
    bool porteur_en_fait = false;
};

struct IndividuReleve {
    int numero = 0;                // 1..40
    std::string numero_generation; // "II-3"
    Sexe sexe = Sexe::homme;
    // The union's first and second parent as the crossing took them; 0 for a founder or a
    // spouse.
    int premier_parent = 0, second_parent = 0;
    // Per gene: the phenotype's name ("D"; empty when none is shown), the hidden genotype
    // ("XD,Xd"), whether the pupil entered it by hand, and the carrier probability shown.
    std::vector<std::string> phenotypes, genotypes;
    std::vector<bool> genotype_saisi;
    std::vector<std::optional<ProbabiliteAffichee>> porteur;

    bool a_des_parents() const { return premier_parent != 0 && second_parent != 0; }
    // "[D]", "[A,Rh+]": the label under the symbol.
    std::string phenotype_texte() const;
};

struct FamilleReleve {
    std::string source; // the file, or the rank of a new family
    std::int32_t graine = 0;
    std::vector<GeneReleve> genes;         // one or two
    std::vector<IndividuReleve> individus; // by number
    // The rule the program drew this family's children with: its log says which.
    RegleGametes regle = RegleGametes::un_chromosome_sexuel;

    const IndividuReleve* individu(int numero) const;
};

} // namespace orvan
