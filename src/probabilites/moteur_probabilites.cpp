#include "probabilites/moteur_probabilites.h"

#include "probabilites/frequences.h"
#include "probabilites/transmissions.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <stdexcept>

namespace orvan {

namespace {

// What the pupil sees of one individual for one gene, as a 0 or 1 per genotype.
Loi indices_gene(const EspaceGene& gene, const std::string& phenotype,
                 const std::string& genotype) {
    Loi l(gene.nb_etats(), 0);
    const auto connu = genotype.empty() ? std::nullopt : gene.etat(genotype);
    for (int e = 0; e < gene.nb_etats(); ++e) {
        const bool vu = phenotype.empty() || gene.phenotype(e) == phenotype;
        const bool saisi = genotype.empty() || connu == e;
        if (vu && saisi) l[e] = 1;
    }
    return l;
}

Loi produit(const Loi& a, const Loi& b) {
    Loi l(a.size() * b.size());
    for (std::size_t x = 0; x < a.size(); ++x)
        for (std::size_t y = 0; y < b.size(); ++y)
            l[x * b.size() + y] = a[x] * b[y];
    return l;
}

Rationnel somme(const Loi& l) {
    Rationnel s = 0;
    for (const Rationnel& p : l)
        s += p;
    return s;
}

} // namespace

namespace {

std::vector<UnionArbre> unions_de(const FamilleVue& famille) {
    std::map<int, int> index;
    for (std::size_t i = 0; i < famille.individus.size(); ++i)
        index[famille.individus[i].numero] = static_cast<int>(i);
    std::map<std::pair<int, int>, int> numero_union;
    std::vector<UnionArbre> unions;
    for (std::size_t i = 0; i < famille.individus.size(); ++i) {
        const IndividuVu& ind = famille.individus[i];
        if (ind.premier_parent == 0 && ind.second_parent == 0) continue;
        if (!index.count(ind.premier_parent) || !index.count(ind.second_parent))
            throw std::invalid_argument("parent absent de la famille");
        const auto cle = std::make_pair(ind.premier_parent, ind.second_parent);
        auto [it, nouveau] = numero_union.try_emplace(cle, static_cast<int>(unions.size()));
        if (nouveau) unions.push_back({index[cle.first], index[cle.second], {}});
        unions[it->second].enfants.push_back(static_cast<int>(i));
    }
    if (a_une_boucle(static_cast<int>(famille.individus.size()), unions))
        throw std::invalid_argument("famille en boucle");
    return unions;
}

} // namespace

// One gene, or the two genes together when the crossing links them.
struct MoteurProbabilites::Locus {
    std::vector<int> genes;
    ArbreGenealogique arbre;
    std::unique_ptr<Transmission> transmission;
    std::unique_ptr<Elimination> elimination;
    // The locus's genotype e read as the genotype of its gene number k.
    int etat_du_gene(int e, std::size_t k, const std::vector<EspaceGene>& espaces) const {
        if (genes.size() == 1) return e;
        const int n2 = espaces[genes[1]].nb_etats();
        return k == 0 ? e / n2 : e % n2;
    }
};

MoteurProbabilites::MoteurProbabilites(const FamilleVue& famille,
                                       const ReglagesProbabilites& reglages,
                                       LoiEnfantProgramme& lois)
    : famille_(famille), reglages_(reglages), lois_(lois), unions_(unions_de(famille_)) {
    lois_.suit(famille_.regle);
    for (std::size_t i = 0; i < famille_.individus.size(); ++i)
        index_[famille_.individus[i].numero] = static_cast<int>(i);
    for (const GeneVu& g : famille_.genes)
        espaces_.emplace_back(g);
    for (IndividuVu& ind : famille_.individus) {
        ind.phenotype.resize(espaces_.size());
        ind.genotype.resize(espaces_.size());
    }
}

MoteurProbabilites::~MoteurProbabilites() = default;

// Per gene and per individual: the founders' prior (all ones for a child) and what is seen.
struct MoteurProbabilites::Vu {
    std::vector<std::vector<Loi>> a_priori, indices;
};

MoteurProbabilites::Vu MoteurProbabilites::ce_qui_est_vu(const Oubli& oubli) const {
    Vu v;
    const std::size_t n = famille_.individus.size();
    for (std::size_t g = 0; g < espaces_.size(); ++g) {
        const EspaceGene& gene = espaces_[g];
        v.a_priori.emplace_back(n);
        v.indices.emplace_back(n);
        for (std::size_t i = 0; i < n; ++i) {
            const IndividuVu& ind = famille_.individus[i];
            const bool oublie =
                oubli.individu == static_cast<int>(i) && oubli.gene == static_cast<int>(g);
            const std::string& phenotype = oublie && !oubli.genotype ? "" : ind.phenotype[g];
            const std::string& genotype = oublie && oubli.genotype ? "" : ind.genotype[g];
            v.indices[g][i] = indices_gene(gene, phenotype, genotype);
            if (ind.premier_parent != 0)
                v.a_priori[g][i] = Loi(gene.nb_etats(), 1);
            else if (reglages_.a_priori == APriori::programme)
                v.a_priori[g][i] = a_priori_programme(gene, ind.phenotype[g], ind.sexe);
            else {
                v.a_priori[g][i] = a_priori_population(
                    gene, frequences_du_gene(reglages_.frequences, gene.gene().nom, gene.alleles()),
                    ind.sexe);
            }
        }
    }
    return v;
}

namespace {

// Individuals in an order where parents come before their children.
std::vector<int> parents_d_abord(const FamilleVue& f, const std::map<int, int>& index) {
    std::vector<int> profondeur(f.individus.size(), -1);
    const std::function<int(int)> de = [&](int i) {
        if (profondeur[i] >= 0) return profondeur[i];
        const IndividuVu& ind = f.individus[i];
        profondeur[i] = ind.premier_parent == 0 ? 0
                                                : 1 + std::max(de(index.at(ind.premier_parent)),
                                                               de(index.at(ind.second_parent)));
        return profondeur[i];
    };
    std::vector<int> ordre(f.individus.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) { return de(a) < de(b); });
    return ordre;
}

} // namespace

std::vector<GenotypesParent> MoteurProbabilites::textes_possibles(const Possibles& possibles,
                                                                  int i) const {
    std::vector<GenotypesParent> r{{}};
    for (std::size_t g = 0; g < espaces_.size(); ++g) {
        std::vector<GenotypesParent> suite;
        for (const GenotypesParent& t : r)
            for (int e : possibles[g][i]) {
                GenotypesParent x = t;
                x[g] = espaces_[g].texte(e);
                suite.push_back(x);
            }
        r = std::move(suite);
    }
    return r;
}

// A child keeps only the genotypes that its parents' possible genotypes can give it: a
// genotype the crossing never makes does not reach the peeling, nor does a pair of parents
// that could not be.
void MoteurProbabilites::elague(Possibles& possibles) {
    for (int i : parents_d_abord(famille_, index_)) {
        const IndividuVu& ind = famille_.individus[i];
        if (ind.premier_parent == 0) continue;
        std::vector<std::vector<bool>> donnes;
        for (const EspaceGene& e : espaces_)
            donnes.emplace_back(e.nb_etats(), false);
        for (const GenotypesParent& a : textes_possibles(possibles, index_.at(ind.premier_parent)))
            for (const GenotypesParent& b :
                 textes_possibles(possibles, index_.at(ind.second_parent)))
                for (const auto& [issue, p] : lois_.loi(a, b)) {
                    if (std::get<2>(issue) != ind.sexe) continue;
                    const std::array<std::string, 2> t = {std::get<0>(issue), std::get<1>(issue)};
                    for (std::size_t g = 0; g < espaces_.size(); ++g)
                        if (const auto e = espaces_[g].etat(t[g])) donnes[g][*e] = true;
                }
        for (std::size_t g = 0; g < espaces_.size(); ++g)
            std::erase_if(possibles[g][i], [&](int e) { return !donnes[g][e]; });
    }
}

// Per gene and individual, the genotypes that the prior and what is seen allow.
MoteurProbabilites::Possibles MoteurProbabilites::genotypes_permis(const Vu& vu) const {
    Possibles possibles(espaces_.size());
    for (std::size_t g = 0; g < espaces_.size(); ++g)
        for (std::size_t i = 0; i < famille_.individus.size(); ++i) {
            possibles[g].emplace_back();
            for (int e = 0; e < espaces_[g].nb_etats(); ++e)
                if (signe(vu.a_priori[g][i][e]) != 0 && signe(vu.indices[g][i][e]) != 0)
                    possibles[g][i].push_back(e);
        }
    return possibles;
}

// What is seen rules out, besides, every genotype that the pruning took away.
void MoteurProbabilites::exclut_les_elagues(Vu& vu, const Possibles& possibles) const {
    for (std::size_t g = 0; g < espaces_.size(); ++g)
        for (std::size_t i = 0; i < famille_.individus.size(); ++i) {
            Loi& x = vu.indices[g][i];
            std::vector<bool> garde(x.size(), false);
            for (int e : possibles[g][i])
                garde[e] = true;
            for (std::size_t e = 0; e < x.size(); ++e)
                if (!garde[e]) x[e] = 0;
        }
}

// Per individual, one genotype it may have for each gene: what a parent's gene outside a
// locus is read as.
std::vector<GenotypesParent> MoteurProbabilites::references(const Possibles& possibles) const {
    std::vector<GenotypesParent> r(famille_.individus.size());
    for (std::size_t g = 0; g < espaces_.size(); ++g)
        for (std::size_t i = 0; i < r.size(); ++i)
            if (!possibles[g][i].empty()) r[i][g] = espaces_[g].texte(possibles[g][i].front());
    return r;
}

// The genes of each locus: both together when the crossing links them, else one each.
std::vector<std::vector<int>> MoteurProbabilites::groupes_de_genes(const Possibles& possibles) {
    lies_ = reglages_.a_priori == APriori::programme && espaces_.size() == 2 &&
            !genes_independants(espaces_, unions_, possibles, lois_);
    if (lies_) return {{0, 1}};
    std::vector<std::vector<int>> groupes;
    for (std::size_t g = 0; g < espaces_.size(); ++g)
        groupes.push_back({static_cast<int>(g)});
    return groupes;
}

std::unique_ptr<MoteurProbabilites::Locus>
MoteurProbabilites::cree_locus(const std::vector<int>& genes, const Vu& vu,
                               const std::vector<GenotypesParent>& references) {
    auto l = std::make_unique<Locus>();
    l->genes = genes;
    for (const IndividuVu& ind : famille_.individus)
        l->arbre.sexes.push_back(ind.sexe);
    l->arbre.unions = unions_;
    for (std::size_t i = 0; i < famille_.individus.size(); ++i) {
        Loi p = vu.a_priori[genes[0]][i], x = vu.indices[genes[0]][i];
        if (genes.size() == 2) {
            p = produit(p, vu.a_priori[genes[1]][i]);
            x = produit(x, vu.indices[genes[1]][i]);
        }
        l->arbre.a_priori.push_back(std::move(p));
        l->arbre.indices.push_back(std::move(x));
    }
    l->arbre.nb_etats = static_cast<int>(l->arbre.indices.front().size());
    if (reglages_.a_priori == APriori::population)
        l->transmission =
            std::make_unique<TransmissionPopulation>(espaces_[genes[0]], l->arbre.sexes);
    else
        l->transmission =
            std::make_unique<TransmissionProgramme>(espaces_, genes, references, lois_);
    l->elimination = std::make_unique<Elimination>(l->arbre, *l->transmission);
    return l;
}

void MoteurProbabilites::prepare(const Oubli& oubli) {
    Vu vu = ce_qui_est_vu(oubli);
    Possibles possibles = genotypes_permis(vu);
    if (reglages_.a_priori == APriori::programme) {
        elague(possibles);
        exclut_les_elagues(vu, possibles);
    }
    const std::vector<GenotypesParent> refs = references(possibles);
    loci_.clear();
    for (const std::vector<int>& genes : groupes_de_genes(possibles))
        loci_.push_back(cree_locus(genes, vu, refs));
}

// Every individual's law is asked: in a family whose unions do not all join (a couple crossed
// twice), the part that the first individual stands in may be possible when another is not.
bool MoteurProbabilites::possible() {
    const auto n = static_cast<int>(famille_.individus.size());
    for (const auto& l : loci_)
        for (int i = 0; i < n; ++i)
            if (signe(somme(l->elimination->jointe(i))) == 0) return false;
    return true;
}

std::optional<Contradiction> MoteurProbabilites::cherche_contradiction() {
    if (famille_.individus.empty()) return std::nullopt;
    prepare({});
    if (possible()) return std::nullopt;
    for (bool genotype : {true, false})
        for (std::size_t i = 0; i < famille_.individus.size(); ++i)
            for (std::size_t g = 0; g < espaces_.size(); ++g) {
                const IndividuVu& ind = famille_.individus[i];
                const std::string& texte = genotype ? ind.genotype[g] : ind.phenotype[g];
                if (texte.empty()) continue;
                prepare({static_cast<int>(i), static_cast<int>(g), genotype});
                if (possible()) {
                    prepare({});
                    return Contradiction{ind.numero, static_cast<int>(g) + 1, genotype, texte};
                }
            }
    prepare({});
    return Contradiction{};
}

ResultatProbabilites MoteurProbabilites::calcule() {
    ResultatProbabilites r;
    r.contradiction = cherche_contradiction();
    if (r.contradiction) return r;
    for (std::size_t i = 0; i < famille_.individus.size(); ++i) {
        ProbabilitesIndividu p;
        p.numero = famille_.individus[i].numero;
        p.genes.resize(espaces_.size());
        for (const auto& l : loci_) {
            const Loi j = l->elimination->jointe(static_cast<int>(i));
            const Rationnel z = somme(j);
            for (std::size_t k = 0; k < l->genes.size(); ++k) {
                const int g = l->genes[k];
                Loi marge(espaces_[g].nb_etats(), 0);
                for (std::size_t e = 0; e < j.size(); ++e)
                    marge[l->etat_du_gene(static_cast<int>(e), k, espaces_)] += j[e] / z;
                for (int e = 0; e < espaces_[g].nb_etats(); ++e)
                    if (signe(marge[e]) != 0)
                        p.genes[g].push_back({espaces_[g].texte(e), marge[e]});
            }
        }
        r.individus.push_back(std::move(p));
    }
    return r;
}

std::vector<ColonneBayes> MoteurProbabilites::table_bayes(int numero, int numero_gene) {
    // The engine's own lists count the genes from 0.
    const int gene = numero_gene - 1;
    int i = -1;
    for (std::size_t k = 0; k < famille_.individus.size(); ++k)
        if (famille_.individus[k].numero == numero) i = static_cast<int>(k);
    if (i < 0 || gene < 0 || gene >= static_cast<int>(espaces_.size())) return {};
    if (cherche_contradiction()) return {};
    for (const auto& l : loci_) {
        const auto k = std::find(l->genes.begin(), l->genes.end(), gene) - l->genes.begin();
        if (k == static_cast<long>(l->genes.size())) continue;
        const Loi ant = l->elimination->anterieure(i), vr = l->elimination->vraisemblance(i);
        const Rationnel z = somme(ant);
        const int n = espaces_[gene].nb_etats();
        Loi a_priori(n, 0), jointe(n, 0);
        for (std::size_t e = 0; e < ant.size(); ++e) {
            const int eg = l->etat_du_gene(static_cast<int>(e), k, espaces_);
            a_priori[eg] += ant[e] / z;
            jointe[eg] += ant[e] / z * vr[e];
        }
        const Rationnel total = somme(jointe);
        std::vector<ColonneBayes> table;
        for (int e = 0; e < n; ++e) {
            if (signe(a_priori[e]) == 0) continue;
            table.push_back({espaces_[gene].texte(e), a_priori[e], jointe[e] / a_priori[e],
                             jointe[e], jointe[e] / total});
        }
        return table;
    }
    return {};
}

Rationnel probabilite_porteur(const EspaceGene& gene, const std::vector<ProbabiliteGenotype>& l) {
    Rationnel p = 0;
    for (const ProbabiliteGenotype& g : l)
        if (gene.porteur(*gene.etat(g.genotype))) p += g.probabilite;
    return p;
}

} // namespace orvan
