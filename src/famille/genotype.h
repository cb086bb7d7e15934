// The genotype of one gene: two alleles, or an allele and Y for a man's sex-linked gene.
// Genotypes are written as "A,O", "XD,Y" or "Y,Xd"; a gene bank of the language file and the
// 40-character cut can make odd texts ("", ",", an allele cut short), and every text reads
// back exactly as it was written.
#pragma once

#include <string>
#include <string_view>

namespace orvan {

class Genotype {
  public:
    Genotype() = default;
    // Everything before the first "," is the first allele, everything after it the second.
    static Genotype lu(std::string_view texte);
    std::string texte() const;

    const std::string& premier() const { return premier_; }
    const std::string& second() const { return second_; }
    // No text at all: the gene has been given no genotype.
    bool vide() const { return premier_.empty() && !deux_alleles_; }
    // One of the two alleles is Y: the gene is carried by the X of a man.
    bool porte_y() const { return premier_ == "Y" || second_ == "Y"; }

    bool operator==(const Genotype&) const = default;

  private:
    std::string premier_, second_;
    // False only for a text without ",": it is all first allele.
    bool deux_alleles_ = false;
};

} // namespace orvan
