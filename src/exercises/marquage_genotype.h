// How a pupil's answer to "Quel est son génotype?" is marked: the rules, free of any window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvan {

// The two genotypes held in an individual's hint "geno1//geno2": the text before the first
// "//" and the text after it (at most 100 characters); both empty when the hint has no "//".
struct GenotypesDeLaBulle {
    std::string gene1, gene2;
};
GenotypesDeLaBulle genotypes_de_la_bulle(std::string_view bulle);

// Letters a-z turned to A-Z; every other character kept.
std::string en_majuscules(std::string_view texte);
std::string sans_blancs(std::string_view texte);

// "A,O" gives "O,A": the text after the first comma (at most 10 characters), ",", the text
// before it. Without a comma, the first 10 characters and a comma.
std::string forme_inversee(std::string_view genotype);

// Whether two alleles of these genotypes differ by case alone ("XD" and "Xd"): the case of
// an answer then tells a genotype from another.
bool alleles_distingues_par_la_casse(const std::vector<std::string>& genotypes);

// The answer is right when, blanks removed, it is the genotype or its swapped form; case is
// folded on both sides unless casse_exacte.
bool reponse_juste(std::string_view reponse, std::string_view genotype, bool casse_exacte);

} // namespace orvan
