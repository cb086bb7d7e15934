// The genotypes of one gene as the probabilities count them: a pair of alleles whatever their
// order ("A,O" and "O,A" are one genotype), written as the gene's table first writes it.
#pragma once

#include "probabilites/famille_vue.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvan {

class EspaceGene {
  public:
    explicit EspaceGene(const GeneVu& gene);

    int nb_etats() const { return static_cast<int>(etats_.size()); }
    const std::string& texte(int e) const { return etats_[e].texte; }
    // The phenotype of the last table entry that lists the genotype, in either order.
    const std::string& phenotype(int e) const { return etats_[e].phenotype; }
    std::optional<int> etat(std::string_view texte) const;

    // A gene whose genotypes hold an X: a woman has two X, a man one X and a Y.
    bool lie_a_x() const { return lie_a_x_; }
    bool convient(int e, Sexe sexe) const;
    // A carrier: two different alleles, neither of them Y, one of which the phenotype hides (as
    // "A,O" shows [A], and "XD,Xd" [D]; "A,B" shows both).
    bool porteur(int e) const;
    // The alleles that a population's frequencies give, in the order of the table (Y left out).
    const std::vector<std::string>& alleles() const { return alleles_; }
    // The two alleles of a genotype.
    std::pair<std::string, std::string> paire(int e) const;

    const GeneVu& gene() const { return gene_; }

  private:
    struct Etat {
        std::string texte, phenotype;
    };
    static std::pair<std::string, std::string> cle(std::string_view texte);
    int ajoute(const std::string& texte);

    GeneVu gene_;
    std::vector<Etat> etats_;
    std::map<std::pair<std::string, std::string>, int> index_;
    std::vector<std::string> alleles_;
    bool lie_a_x_ = false;
};

} // namespace orvan
