#include "exercises/marquage_genotype.h"

#include "ground/texte.h"

#include <set>

namespace orvan {

GenotypesDeLaBulle genotypes_de_la_bulle(std::string_view bulle) {
    const auto p = bulle.find("//");
    if (p == std::string_view::npos) return {};
    return {std::string(bulle.substr(0, p)), coupe(bulle.substr(p + 2), 100)};
}

std::string en_majuscules(std::string_view texte) {
    std::string r(texte);
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

std::string sans_blancs(std::string_view texte) {
    std::string r(texte);
    std::erase(r, ' ');
    return r;
}

std::string forme_inversee(std::string_view genotype) {
    const auto virgule = genotype.find(',');
    if (virgule == std::string_view::npos) return coupe(genotype, 10) + ",";
    return coupe(genotype.substr(virgule + 1), 10) + "," + std::string(genotype.substr(0, virgule));
}

bool alleles_distingues_par_la_casse(const std::vector<std::string>& genotypes) {
    std::set<std::string> alleles;
    for (const std::string& g : genotypes) {
        const auto virgule = g.find(',');
        alleles.insert(g.substr(0, virgule));
        if (virgule != std::string::npos) alleles.insert(g.substr(virgule + 1));
    }
    std::set<std::string> replies;
    for (const std::string& a : alleles)
        if (!replies.insert(en_majuscules(a)).second) return true;
    return false;
}

bool reponse_juste(std::string_view reponse, std::string_view genotype, bool casse_exacte) {
    std::string r = sans_blancs(reponse);
    std::string g(genotype);
    if (!casse_exacte) {
        r = en_majuscules(r);
        g = en_majuscules(g);
    }
    return r == g || r == forme_inversee(g);
}

} // namespace orvan
