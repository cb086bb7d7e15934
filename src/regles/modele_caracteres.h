// The working trait model built from the chosen genes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvan {

constexpr int max_genotypes_table = 55;
constexpr int max_genotypes_gene = 16;
constexpr int max_relations = 10;
constexpr int max_maladies = 20;

// Whether a statement on a gene is true ("bon") or false ("faux"), as the bank says.
enum class EtatEnonce : std::uint8_t { bon, faux };

struct ModeleCaracteres {
    int nb_genes = 1;
    std::array<int, 3> nb_phenotypes{};
    int nb_phenotypes_total = 0;
    int nb_genotypes = 0;
    std::array<int, 3> nb_genotypes_gene{};
    // The genotype table's entries of each gene, which stand together from premiere_entree
    // on, in the bank's order of the genes.
    std::array<int, 3> nb_entrees_table{};
    std::array<int, 3> premiere_entree{};
    std::array<int, 3> nb_relations{};
    std::array<std::string, 3> commentaire;
    // The chosen genes as the bank names them: "Daltonisme d".
    std::array<std::string, 3> nom_gene;

    // Genotype table, 1..55, both genes together, repetitions kept.
    std::array<std::string, max_genotypes_table + 1> phenotype_du_genotype;
    std::array<std::string, max_genotypes_table + 1> genotype_texte;

    // Each gene's genotypes once each, 1..16, in the bank's order: the boxes and lists of the
    // genotype panel show them.
    std::array<std::array<std::string, max_genotypes_gene + 1>, 3> genotype_du_gene;

    // Statements per gene, 1..10.
    std::array<std::array<std::string, max_relations + 1>, 3> relation;
    std::array<std::array<EtatEnonce, max_relations + 1>, 3> etat_relation;

    // Gene list of the bank.
    int nb_maladies = 0;
    std::array<std::string, max_maladies + 1> nom_maladie;

    void vide_table_genotypes() {
        for (int k = 1; k <= max_genotypes_table; ++k) {
            phenotype_du_genotype[k].clear();
            genotype_texte[k].clear();
        }
    }
};

} // namespace orvan
