// Pure rules on genotype and gamete texts.
#pragma once

#include "famille/sexe.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orvan {

// How a parent's two genes go into its gametes when both lie on the X chromosome.
enum class RegleGametes {
    // The two genes' alleles mixed freely, the father's X with his Y: the rule of the families
    // saved before the sex chromosomes were kept whole.
    melange_libre,
    // A gamete carries one sex chromosome: a father gives his X with his alleles of both genes,
    // or his Y, each half the time.
    un_chromosome_sexuel,
};

// The characters before the first ","; empty without ",".
std::string tete(std::string_view s);
// At most m characters after the first ","; without ",", the first m characters.
std::string queue(std::string_view s, std::size_t m);

// The four gametes of a parent with genotypes g1 and g2, each at most 20 characters:
// head1,head2; tail1,tail2; head1,tail2; tail1,head2.
std::array<std::string, 4> gametes(std::string_view g1, std::string_view g2);

// The four gametes under the rule: a father whose two genes both lie on the X gives his X,
// his Y, his X, his Y; every other parent's gametes are those above.
std::array<std::string, 4> gametes(std::string_view g1, std::string_view g2, RegleGametes regle);

// The sex a sex-linked genotype is written for: a man's when the text holds "Y", else a woman's
// when it holds "X"; none for an autosomal genotype.
std::optional<Sexe> sexe_genotype(std::string_view genotype);

// Whether a genotype can be a woman's (no "Y") or a man's (at most one "X").
bool convient_au_sexe(std::string_view genotype, Sexe sexe);

// A sex-linked genotype read as a daughter's: a second "X" after the first one.
bool deux_x(std::string_view genotype);

} // namespace orvan
