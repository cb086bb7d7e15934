#include "statistiques/export_ped.h"

namespace orvan {

namespace {

std::string alleles(const std::string& genotype) {
    const auto virgule = genotype.find(',');
    if (genotype.empty() || virgule == std::string::npos) return "0 0";
    std::string a = genotype.substr(0, virgule), b = genotype.substr(virgule + 1);
    if (a == "Y") a = b;
    if (b == "Y") b = a;
    if (a.empty()) a = "0";
    if (b.empty()) b = "0";
    return a + " " + b;
}

int parent(const FamilleReleve& f, const IndividuReleve& i, Sexe sexe) {
    for (int numero : {i.premier_parent, i.second_parent}) {
        const IndividuReleve* p = f.individu(numero);
        if (p && p->sexe == sexe) return numero;
    }
    return 0;
}

const char* affection(const IndividuReleve& i, std::size_t gene, const std::string& atteint) {
    if (gene >= i.phenotypes.size() || i.phenotypes[gene].empty()) return "0";
    return i.phenotypes[gene] == atteint ? "2" : "1";
}

} // namespace

std::string identifiant_famille(const std::string& source) {
    std::string nom = source.substr(source.find_last_of("/\\") + 1);
    if (const auto point = nom.rfind('.'); point != std::string::npos && point > 0)
        nom.resize(point);
    for (char& c : nom)
        if (c == ' ' || c == '\t') c = '_';
    return nom.empty() ? "famille" : nom;
}

std::string phenotype_atteint_par_defaut(const GeneReleve& gene) {
    return gene.phenotypes.empty() ? "" : gene.phenotypes.back();
}

std::string ped_de_la_famille(const FamilleReleve& f, std::size_t gene,
                              const std::string& atteint) {
    const std::string famille = identifiant_famille(f.source);
    std::string sortie;
    for (const IndividuReleve& i : f.individus) {
        sortie += famille + " " + std::to_string(i.numero) + " " +
                  std::to_string(parent(f, i, Sexe::homme)) + " " +
                  std::to_string(parent(f, i, Sexe::femme)) + " " +
                  (i.sexe == Sexe::homme ? "1" : "2") + " " + affection(i, gene, atteint);
        for (const std::string& g : i.genotypes)
            sortie += " " + alleles(g);
        sortie += "\n";
    }
    return sortie;
}

} // namespace orvan
