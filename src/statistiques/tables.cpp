#include "statistiques/tables.h"

#include <algorithm>
#include <utility>

namespace orvan {

namespace {

// One genotype whatever the order of its alleles: "O,A" is "A,O", "Y,Xd" is "Xd,Y".
std::string genotype_sans_ordre(const std::string& g) {
    const auto virgule = g.find(',');
    if (virgule == std::string::npos) return g;
    std::string a = g.substr(0, virgule), b = g.substr(virgule + 1);
    if (a == "Y" || (b != "Y" && b < a)) std::swap(a, b);
    return a + "," + b;
}

std::string genotypes_texte(const IndividuReleve& i) {
    std::string t;
    for (std::size_t g = 0; g < i.genotypes.size(); ++g)
        t += (g ? " " : "") + genotype_sans_ordre(i.genotypes[g]);
    return t;
}

struct Union {
    const IndividuReleve *premier, *second;
    std::vector<const IndividuReleve*> enfants;
};

std::vector<Union> unions_de(const FamilleReleve& f) {
    std::vector<Union> unions;
    for (const IndividuReleve& e : f.individus) {
        if (!e.a_des_parents()) continue;
        auto u = std::find_if(unions.begin(), unions.end(), [&e](const Union& u) {
            return u.premier->numero == e.premier_parent && u.second->numero == e.second_parent;
        });
        if (u == unions.end()) {
            const IndividuReleve *p1 = f.individu(e.premier_parent),
                                 *p2 = f.individu(e.second_parent);
            if (!p1 || !p2) continue;
            u = unions.insert(unions.end(), Union{p1, p2, {}});
        }
        u->enfants.push_back(&e);
    }
    return unions;
}

TableCroisement& table(std::vector<TableCroisement>& tables, const std::string& phenotypes,
                       const std::string& genotypes) {
    for (TableCroisement& t : tables)
        if (t.phenotypes_parents == phenotypes && t.genotypes_parents == genotypes) return t;
    tables.push_back({phenotypes, genotypes, 0, {}, {}});
    return tables.back();
}

void compte(TableCroisement& t, const Union& u, const std::optional<Comptes>& loi) {
    ++t.nb_unions;
    for (const IndividuReleve* e : u.enfants)
        t.observes[{e->phenotype_texte(), e->sexe}] += 1;
    if (!loi) {
        t.loi_connue = false;
        t.attendus.clear();
    }
    if (!t.loi_connue) return;
    for (const auto& [c, p] : *loi)
        t.attendus[c] += p * static_cast<double>(u.enfants.size());
}

// The phenotypes' table of a kind of cross first, then its genotypes' tables.
std::vector<TableCroisement> dans_l_ordre(const std::vector<TableCroisement>& tables) {
    std::vector<TableCroisement> r;
    for (const TableCroisement& t : tables) {
        if (!t.genotypes_parents.empty()) continue;
        r.push_back(t);
        for (const TableCroisement& g : tables)
            if (!g.genotypes_parents.empty() && g.phenotypes_parents == t.phenotypes_parents)
                r.push_back(g);
    }
    return r;
}

} // namespace

void CompteCroisements::ajoute(const FamilleReleve& f) {
    for (const Union& u : unions_de(f)) {
        // The father first, whichever parent the crossing took first.
        const bool pere_premier = u.premier->sexe == Sexe::homme || u.second->sexe != Sexe::homme;
        const IndividuReleve& pere = pere_premier ? *u.premier : *u.second;
        const IndividuReleve& mere = pere_premier ? *u.second : *u.premier;
        const std::string phenotypes = pere.phenotype_texte() + " × " + mere.phenotype_texte();
        const std::string genotypes = genotypes_texte(pere) + " × " + genotypes_texte(mere);
        const auto l = loi_ ? loi_(f, *u.premier, *u.second) : std::nullopt;
        compte(table(tables_, phenotypes, ""), u, l);
        compte(table(tables_, phenotypes, genotypes), u, l);
    }
}

std::vector<TableCroisement> CompteCroisements::tables() const {
    return dans_l_ordre(tables_);
}

std::vector<TableCroisement> tables_croisements(const std::vector<FamilleReleve>& familles,
                                                const LoiDesEnfants& loi) {
    CompteCroisements c(loi);
    for (const FamilleReleve& f : familles)
        c.ajoute(f);
    return c.tables();
}

double total(const Comptes& c) {
    double n = 0;
    for (const auto& [cellule, nb] : c)
        n += nb;
    return n;
}

std::map<std::string, double> par_phenotype(const Comptes& c) {
    std::map<std::string, double> r;
    for (const auto& [cellule, nb] : c)
        r[cellule.phenotype] += nb;
    return r;
}

} // namespace orvan
