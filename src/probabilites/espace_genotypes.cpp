#include "probabilites/espace_genotypes.h"

#include "ground/texte.h"
#include "regles/gametes.h"

#include <algorithm>

namespace orvan {

EspaceGene::EspaceGene(const GeneVu& gene) : gene_(gene) {
    for (const EntreeTable& e : gene_.table) {
        const int k = ajoute(e.genotype);
        etats_[k].phenotype = e.phenotype;
        if (contient(e.genotype, "X")) lie_a_x_ = true;
        for (const std::string& a : {tete(e.genotype), queue(e.genotype, 50)})
            if (a != "Y" && std::find(alleles_.begin(), alleles_.end(), a) == alleles_.end())
                alleles_.push_back(a);
    }
}

std::pair<std::string, std::string> EspaceGene::cle(std::string_view texte) {
    std::string a = tete(texte), b = queue(texte, 50);
    if (b < a) std::swap(a, b);
    return {a, b};
}

int EspaceGene::ajoute(const std::string& texte) {
    const auto [it, nouveau] = index_.try_emplace(cle(texte), nb_etats());
    if (nouveau) etats_.push_back({texte, ""});
    return it->second;
}

std::optional<int> EspaceGene::etat(std::string_view texte) const {
    const auto it = index_.find(cle(texte));
    if (it == index_.end()) return std::nullopt;
    return it->second;
}

bool EspaceGene::convient(int e, Sexe sexe) const {
    if (!lie_a_x_) return true;
    const std::string& t = texte(e);
    if (sexe == Sexe::femme) return deux_x(t) && !contient(t, "Y");
    return contient(t, "X") && !deux_x(t) && contient(t, "Y");
}

std::pair<std::string, std::string> EspaceGene::paire(int e) const {
    return {tete(texte(e)), queue(texte(e), 50)};
}

bool EspaceGene::porteur(int e) const {
    const auto [a, b] = paire(e);
    if (a == b || a == "Y" || b == "Y") return false;
    const auto cache = [&](const std::string& x) {
        const auto homozygote = etat(x + "," + x);
        return homozygote && phenotype(*homozygote) == phenotype(e);
    };
    return cache(a) || cache(b);
}

} // namespace orvan
