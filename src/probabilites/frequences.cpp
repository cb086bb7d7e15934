#include "probabilites/frequences.h"

#include <algorithm>

namespace orvan {

std::map<std::string, FrequencesGene> frequences_par_defaut() {
    // GMP compares fractions only in lowest terms.
    const auto f = [](long n, long d) {
        Rationnel q(n, d);
        canonise(q);
        return q;
    };
    return {
        // 8 % of men are colour-blind (red-green), so 8 % of X chromosomes carry the allele.
        {"Daltonisme d", {{"XD", f(92, 100)}, {"Xd", f(8, 100)}}},
        // From the groups of the French population: O 42 %, A 45 %, B 9 %, AB 4 %.
        {"Groupes ABO", {{"A", f(29, 100)}, {"B", f(7, 100)}, {"O", f(64, 100)}}},
        // 15 % of the population is Rh-: the allele's frequency is the square root of that.
        {"Facteur rhésus rh+ rh-", {{"Rh+", f(61, 100)}, {"Rh-", f(39, 100)}}},
        // Haemophilia A: one boy in 5,000.
        {"Hémophilie h", {{"XH", f(4999, 5000)}, {"Xh", f(1, 5000)}}},
    };
}

FrequencesGene frequences_du_gene(const std::map<std::string, FrequencesGene>& frequences,
                                  const std::string& nom, const std::vector<std::string>& alleles) {
    const auto f = frequences.find(nom);
    const auto connue = [&f](const std::string& a) { return f->second.count(a) != 0; };
    if (f != frequences.end() && std::all_of(alleles.begin(), alleles.end(), connue))
        return f->second;
    FrequencesGene egales;
    for (const std::string& a : alleles)
        egales[a] = Rationnel(1, static_cast<unsigned long>(alleles.size()));
    return egales;
}

} // namespace orvan
