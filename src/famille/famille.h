// The family: individuals 1..40 and the unions that link them. Union 0 is the founders'
// (individuals 1 and 2); each later union is a child of the second generation with the spouse
// it was given, and its sibship follows the spouse's number.
#pragma once

#include "famille/individu.h"

#include <array>
#include <optional>
#include <vector>

namespace orvan {

constexpr int max_individus = 40;
constexpr int max_unions = 10;

constexpr bool individu_valide(int k) {
    return k >= 1 && k <= max_individus;
}

struct Union {
    int partenaire1 = 0, partenaire2 = 0;
    // The sibship: individuals premier_enfant .. premier_enfant + nb_enfants - 1.
    int premier_enfant = 1;
    int nb_enfants = 0;

    bool a_pour_enfant(int k) const {
        return k >= premier_enfant && k < premier_enfant + nb_enfants;
    }
    bool a_pour_partenaire(int k) const { return k == partenaire1 || k == partenaire2; }
    bool operator==(const Union&) const = default;
};

struct Parents {
    int premier = 0, second = 0;
    bool operator==(const Parents&) const = default;
};

class Famille {
  public:
    // Individual k, 1..40 (0 is unused).
    Individu& individu(int k) { return individus[static_cast<std::size_t>(k)]; }
    const Individu& individu(int k) const { return individus[static_cast<std::size_t>(k)]; }

    // Forgets every individual and union: a new family.
    void vide();
    // Union u gets its partners and its sibship, and counts as drawn.
    void ajoute_union(int p1, int p2, int premier_enfant, int nb_enfants);

    // The unions drawn so far, in the order of their crossings.
    std::vector<Union> unions_tirees() const;
    // The union whose sibship holds k; none for a founder or a spouse.
    std::optional<int> union_des_parents(int k) const;
    std::optional<Parents> parents(int k) const;
    // Children of every union of k, in their numbers' order.
    std::vector<int> enfants(int k) const;
    // Those k was crossed with.
    std::vector<int> conjoints(int k) const;
    // 1 for the founders, 2 for their children and the spouses given to them, 3 below; 0 for
    // an individual that no crossing or choice has placed.
    int generation(int k) const;
    // Rank from the left among the visible individuals of k's generation (1..), the smaller
    // number first at the same place; 0 when k is not shown.
    int place(int k) const;

    std::array<Individu, max_individus + 1> individus{};
    // Union u of 0..10; only the first nb_unions are drawn.
    std::array<Union, max_unions + 1> unions{};
    int nb_unions = 0;
    // The highest number in use: the last child drawn, or the spouse being chosen.
    int dernier_indiv = 0;
    // The child of the second generation last given a spouse.
    int partenaire_du_conjoint = 0;
};

} // namespace orvan
