#include "probabilites/a_priori.h"

namespace orvan {

Loi a_priori_programme(const EspaceGene& gene, const std::string& phenotype, Sexe sexe) {
    Loi l(gene.nb_etats(), 0);
    Rationnel total = 0;
    for (const EntreeTable& e : gene.gene().table) {
        const int k = *gene.etat(e.genotype);
        if ((phenotype.empty() || e.phenotype == phenotype) && gene.convient(k, sexe)) {
            l[k] += 1;
            total += 1;
        }
    }
    if (signe(total) != 0)
        for (Rationnel& p : l)
            p /= total;
    return l;
}

namespace {

Rationnel frequence(const FrequencesGene& f, const std::string& allele) {
    const auto it = f.find(allele);
    if (it == f.end()) return 0;
    // GMP compares and adds fractions only in lowest terms: a teacher may write 8/100.
    Rationnel q = it->second;
    canonise(q);
    return q;
}

} // namespace

Loi a_priori_population(const EspaceGene& gene, const FrequencesGene& frequences, Sexe sexe) {
    Loi l(gene.nb_etats(), 0);
    for (int e = 0; e < gene.nb_etats(); ++e) {
        if (!gene.convient(e, sexe)) continue;
        const auto [a, b] = gene.paire(e);
        if (gene.lie_a_x() && sexe == Sexe::homme)
            l[e] = frequence(frequences, a == "Y" ? b : a);
        else
            l[e] = frequence(frequences, a) * frequence(frequences, b) * (a == b ? 1 : 2);
    }
    return l;
}

namespace {

// The alleles a parent passes on, each with one chance in its count.
std::vector<std::string> alleles_transmis(const EspaceGene& gene, int e, Sexe sexe,
                                          Sexe sexe_enfant) {
    const auto [a, b] = gene.paire(e);
    if (gene.lie_a_x() && sexe == Sexe::homme) {
        const std::string x = a == "Y" ? b : a;
        return {sexe_enfant == Sexe::homme ? std::string("Y") : x};
    }
    return {a, b};
}

} // namespace

Loi transmission_mendel(const EspaceGene& gene, int a, Sexe sexe_a, int b, Sexe sexe_b,
                        Sexe sexe_enfant) {
    Loi l(gene.nb_etats(), 0);
    const auto de_a = alleles_transmis(gene, a, sexe_a, sexe_enfant);
    const auto de_b = alleles_transmis(gene, b, sexe_b, sexe_enfant);
    const Rationnel part(1, de_a.size() * de_b.size());
    for (const std::string& x : de_a)
        for (const std::string& y : de_b)
            if (const auto e = gene.etat(x + "," + y)) l[*e] += part;
    return l;
}

} // namespace orvan
