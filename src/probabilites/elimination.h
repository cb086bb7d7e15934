// Exact peeling of a pedigree without loops, for one locus (one gene, or two genes together):
// every individual is a variable over the locus's genotypes, every union a factor that joins
// its two parents and its children. Messages run along that tree once each way, so every
// individual's probability costs no more than the family's.
#pragma once

#include "probabilites/famille_vue.h"

#include "probabilites/rationnel.h"

#include <map>
#include <utility>
#include <vector>

namespace orvan {

using Loi = std::vector<Rationnel>;

struct UnionArbre {
    int premier = 0, second = 0; // the parents, as indices of individuals
    std::vector<int> enfants;
};

// A child's genotype given its parents' genotypes a and b and its own sex.
class Transmission {
  public:
    virtual ~Transmission() = default;
    virtual const Loi& enfant(const UnionArbre& u, int a, int b, Sexe sexe) = 0;
};

struct ArbreGenealogique {
    int nb_etats = 0;
    std::vector<Sexe> sexes;
    // Per individual: the founders' prior (all ones for a child), and what the pupil sees
    // (1 for a genotype that fits it, 0 otherwise).
    std::vector<Loi> a_priori, indices;
    std::vector<UnionArbre> unions;
};

class Elimination {
  public:
    // The tree must have no loop (see a_une_boucle).
    Elimination(const ArbreGenealogique& arbre, Transmission& transmission);

    // P(genotype, all that the family shows), per genotype of individual i.
    Loi jointe(int i);
    // The Bayes table's columns: the genotype's probability from above (the parents' side, or
    // the founders' prior), and the probability of all that i and its descendants' side show.
    Loi anterieure(int i);
    Loi vraisemblance(int i);

  private:
    const Loi& message_union(int u, int vers);
    const Loi& message_individu(int i, int vers_union);
    Loi vers_enfant(const UnionArbre& u, int enfant);
    Loi vers_parent(const UnionArbre& u, bool premier);
    // Sum over the child's genotypes of its transmission times its message, per parents' pair.
    Rationnel somme_enfant(const UnionArbre& u, int enfant, int a, int b);

    const ArbreGenealogique& arbre_;
    Transmission& transmission_;
    std::vector<int> union_parente_;
    std::vector<std::vector<int>> unions_parent_;
    std::map<std::pair<int, int>, Loi> messages_union_, messages_individu_;
};

// Whether the pedigree's individuals and unions make a loop (a child of two relatives).
bool a_une_boucle(int nb_individus, const std::vector<UnionArbre>& unions);

} // namespace orvan
