#include "famille/genotype.h"

namespace orvan {

Genotype Genotype::lu(std::string_view texte) {
    Genotype g;
    const auto virgule = texte.find(',');
    g.deux_alleles_ = virgule != std::string_view::npos;
    g.premier_ = std::string(texte.substr(0, virgule));
    if (g.deux_alleles_) g.second_ = std::string(texte.substr(virgule + 1));
    return g;
}

std::string Genotype::texte() const {
    return deux_alleles_ ? premier_ + "," + second_ : premier_;
}

} // namespace orvan
