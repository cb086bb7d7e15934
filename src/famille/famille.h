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

// The family guards its numbering: every operation names an individual 1..40 or a union drawn
// in order, and one that would break that is refused (it returns false and changes nothing).
class Famille {
  public:
    // Individual k, 1..40 (0 is unused).
    const Individu& individu(int k) const { return individus_[static_cast<std::size_t>(k)]; }
    // The highest number in use: the last child drawn, or the spouse being chosen.
    int dernier_indiv() const { return dernier_indiv_; }
    // The child of the second generation last given a spouse.
    int partenaire_du_conjoint() const { return partenaire_du_conjoint_; }
    int nb_unions() const { return nb_unions_; }
    // Union u of 0..10, drawn or not.
    const Union& union_numero(int u) const { return unions_[static_cast<std::size_t>(u)]; }

    // Forgets every individual and union: a new family.
    void vide();
    // The founders where a new family starts them: the man and the woman, shown.
    void place_fondateurs(Position homme, Position femme);
    // A spouse for child p, numbered after the last individual, placed and shown there, of
    // p's other sex; its number, or 0 when the pedigree is full.
    int ajoute_conjoint(int p, Position place);
    // The unions and their sibships forgotten, the individuals kept: the founders crossed again.
    void oublie_les_unions();
    // The numbers in use end at k (0..41: one past the last while a cancel gives a number back).
    bool numerote_jusqu_a(int k);
    // Union u gets its partners and its sibship, and counts as drawn: the next slot, partners
    // numbered before their children, the children within 1..40.
    bool ajoute_union(int p1, int p2, int premier_enfant, int nb_enfants);

    bool deplace(int k, Position p);
    bool montre(int k, bool visible);
    bool active(int k, bool actif);
    bool donne_sexe(int k, Sexe s);
    // A couple is one man and one woman: the founders from their first genotype on, a spouse
    // from its choice, a child once it has a spouse. Whether individual k's sex may still
    // change, and the change: a founder turns the other one to the other sex; refused when k's
    // sex may no longer change.
    bool sexe_modifiable(int k) const;
    bool change_sexe(int k, Sexe s);
    // The hidden genotype and phenotype of gene 1 or 2.
    bool donne_genotype(int k, int gene, Genotype g);
    bool donne_phenotype(int k, int gene, std::string phenotype);
    // The label the pupil sees under the symbol.
    bool montre_phenotype(int k, std::string texte);
    // The symbol's tooltip now tells the genotype; the label's keeps it as it stands now.
    bool marque_genotype_donne(int k);
    // The pupil entered the genotype by hand.
    bool marque_genotype_saisi(int k);
    // The pupil changed a genotype by hand: the symbol's tooltip tells the new one, the label's
    // keeps the genotype as it was drawn or entered.
    bool marque_genotype_change(int k);

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

  private:
    Individu* modifiable(int k) {
        return individu_valide(k) ? &individus_[static_cast<std::size_t>(k)] : nullptr;
    }
    template <class Changement> bool change(int k, Changement&& changement) {
        Individu* i = modifiable(k);
        if (i) changement(*i);
        return i != nullptr;
    }

    std::array<Individu, max_individus + 1> individus_{};
    std::array<Union, max_unions + 1> unions_{};
    int nb_unions_ = 0;
    int dernier_indiv_ = 0;
    int partenaire_du_conjoint_ = 0;
};

} // namespace orvan
