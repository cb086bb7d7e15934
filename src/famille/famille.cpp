#include "famille/famille.h"

#include <algorithm>

namespace orvan {

std::string Individu::bulle() const {
    return genotype_donne ? genotype(1).texte() + "//" + genotype(2).texte() : std::string();
}

void Famille::vide() {
    *this = Famille();
}

void Famille::ajoute_union(int p1, int p2, int premier_enfant, int nb_enfants) {
    if (nb_unions < 0 || nb_unions > max_unions) return;
    unions[static_cast<std::size_t>(nb_unions)] = {p1, p2, premier_enfant, nb_enfants};
    ++nb_unions;
}

std::vector<Union> Famille::unions_tirees() const {
    const int n = std::clamp(nb_unions, 0, max_unions + 1);
    return {unions.begin(), unions.begin() + n};
}

std::optional<int> Famille::union_des_parents(int k) const {
    const auto tirees = unions_tirees();
    for (std::size_t u = 0; u < tirees.size(); ++u)
        if (tirees[u].a_pour_enfant(k)) return static_cast<int>(u);
    return std::nullopt;
}

std::optional<Parents> Famille::parents(int k) const {
    const auto u = union_des_parents(k);
    if (!u) return std::nullopt;
    const Union& un = unions[static_cast<std::size_t>(*u)];
    return Parents{un.partenaire1, un.partenaire2};
}

std::vector<int> Famille::enfants(int k) const {
    std::vector<int> r;
    for (const Union& u : unions_tirees())
        if (u.a_pour_partenaire(k))
            for (int j = u.premier_enfant; j < u.premier_enfant + u.nb_enfants; ++j)
                r.push_back(j);
    std::sort(r.begin(), r.end());
    return r;
}

std::vector<int> Famille::conjoints(int k) const {
    std::vector<int> r;
    for (const Union& u : unions_tirees())
        if (u.a_pour_partenaire(k)) r.push_back(u.partenaire1 == k ? u.partenaire2 : u.partenaire1);
    return r;
}

int Famille::generation(int k) const {
    if (k == 1 || k == 2) return 1;
    if (const auto p = parents(k)) {
        const int g = generation(p->premier);
        return g > 0 ? g + 1 : 0;
    }
    for (const Union& u : unions_tirees())
        if (u.partenaire2 == k && u.partenaire1 != k) return generation(u.partenaire1);
    // A spouse being chosen stands beside the child it is given to.
    if (k == dernier_indiv && k > 2 && partenaire_du_conjoint != k &&
        individu_valide(partenaire_du_conjoint))
        return generation(partenaire_du_conjoint);
    return 0;
}

int Famille::place(int k) const {
    if (!individu_valide(k) || !individu(k).visible) return 0;
    const int g = generation(k);
    const Position& p = individu(k).position;
    int rang = 1;
    for (int j = 1; j <= max_individus; ++j) {
        const Individu& autre = individu(j);
        if (j == k || !autre.visible || generation(j) != g) continue;
        const int gauche = autre.position.gauche;
        if (gauche < p.gauche || (gauche == p.gauche && j < k)) ++rang;
    }
    return rang;
}

} // namespace orvan
