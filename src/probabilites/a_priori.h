// What a founder or a spouse is before anything of the family is seen.
#pragma once

#include "probabilites/elimination.h"
#include "probabilites/espace_genotypes.h"

#include "probabilites/rationnel.h"

#include <map>
#include <string>

namespace orvan {

enum class APriori {
    programme,  // as the program draws: among the table's entries for the phenotype
    population, // Hardy-Weinberg with the population's allele frequencies, Mendel's transmission
};

// Allele -> frequency, for one gene.
using FrequencesGene = std::map<std::string, Rationnel>;

// The program's draw: uniform over the table's entries of the phenotype shown (all entries when
// none is), an entry listed twice weighing twice, keeping for an X-linked gene the entries that
// fit the sex.
Loi a_priori_programme(const EspaceGene& gene, const std::string& phenotype, Sexe sexe);

// Hardy-Weinberg: p(a) p(b), twice for a heterozygote; for a man's X-linked gene, p(a).
Loi a_priori_population(const EspaceGene& gene, const FrequencesGene& frequences, Sexe sexe);

// Mendel's transmission of one gene: each parent gives either allele with one chance in two; for
// an X-linked gene a father gives his X to his daughters and his Y to his sons.
Loi transmission_mendel(const EspaceGene& gene, int a, Sexe sexe_a, int b, Sexe sexe_b,
                        Sexe sexe_enfant);

} // namespace orvan
