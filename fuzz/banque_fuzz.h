// The input of the gene bank's fuzz target: a header of five bytes that says which genes and
// phenotypes are chosen, then the bank's text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvan::fuzz {

inline constexpr std::size_t taille_entete_banque = 5;

// The header: byte 0 odd for two genes, bytes 1 and 2 the places of the first and second gene
// in their lists (-1 to 20), bytes 3 and 4 the phenotypes chosen for each gene, two bits for
// each of the three individuals.
struct ChoixBanque {
    int nb_genes = 1;
    int premier = 0, second = 1;
    int phenotypes[2] = {0, 0};
};

ChoixBanque lit_entete(std::string_view entete);
std::string ecrit_entete(const ChoixBanque& choix);

// The log that a pupil's session leaves: the mode, the genes and their confirmation, two
// founders and a child given phenotypes and children.
std::vector<std::string> journal_du_choix(const ChoixBanque& choix);

} // namespace orvan::fuzz
