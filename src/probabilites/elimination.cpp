#include "probabilites/elimination.h"

#include <numeric>

namespace orvan {

namespace {

void multiplie(Loi& l, const Loi& m) {
    for (std::size_t g = 0; g < l.size(); ++g)
        if (signe(l[g]) != 0) l[g] *= m[g];
}

} // namespace

Elimination::Elimination(const ArbreGenealogique& arbre, Transmission& transmission)
    : arbre_(arbre), transmission_(transmission), union_parente_(arbre.sexes.size(), -1),
      unions_parent_(arbre.sexes.size()) {
    for (int u = 0; u < static_cast<int>(arbre.unions.size()); ++u) {
        const UnionArbre& un = arbre.unions[u];
        unions_parent_[un.premier].push_back(u);
        unions_parent_[un.second].push_back(u);
        for (int e : un.enfants)
            union_parente_[e] = u;
    }
}

Loi Elimination::anterieure(int i) {
    if (union_parente_[i] < 0) return arbre_.a_priori[i];
    return message_union(union_parente_[i], i);
}

Loi Elimination::vraisemblance(int i) {
    Loi l = arbre_.indices[i];
    for (int u : unions_parent_[i])
        multiplie(l, message_union(u, i));
    return l;
}

Loi Elimination::jointe(int i) {
    Loi l = anterieure(i);
    multiplie(l, vraisemblance(i));
    return l;
}

const Loi& Elimination::message_individu(int i, int vers_union) {
    const auto cle = std::make_pair(i, vers_union);
    if (const auto it = messages_individu_.find(cle); it != messages_individu_.end())
        return it->second;
    Loi l = arbre_.indices[i];
    if (union_parente_[i] < 0)
        multiplie(l, arbre_.a_priori[i]);
    else if (union_parente_[i] != vers_union)
        multiplie(l, message_union(union_parente_[i], i));
    for (int u : unions_parent_[i])
        if (u != vers_union) multiplie(l, message_union(u, i));
    return messages_individu_.emplace(cle, std::move(l)).first->second;
}

const Loi& Elimination::message_union(int u, int vers) {
    const auto cle = std::make_pair(u, vers);
    if (const auto it = messages_union_.find(cle); it != messages_union_.end()) return it->second;
    const UnionArbre& un = arbre_.unions[u];
    Loi l = vers == un.premier  ? vers_parent(un, true)
            : vers == un.second ? vers_parent(un, false)
                                : vers_enfant(un, vers);
    return messages_union_.emplace(cle, std::move(l)).first->second;
}

Rationnel Elimination::somme_enfant(const UnionArbre& u, int enfant, int a, int b) {
    const Loi& t = transmission_.enfant(u, a, b, arbre_.sexes[enfant]);
    const Loi& m = message_individu(enfant, static_cast<int>(&u - arbre_.unions.data()));
    Rationnel s = 0;
    for (int g = 0; g < arbre_.nb_etats; ++g)
        if (signe(t[g]) != 0 && signe(m[g]) != 0) s += t[g] * m[g];
    return s;
}

Loi Elimination::vers_enfant(const UnionArbre& u, int enfant) {
    const int n = static_cast<int>(&u - arbre_.unions.data());
    const Loi& m1 = message_individu(u.premier, n);
    const Loi& m2 = message_individu(u.second, n);
    Loi l(arbre_.nb_etats, 0);
    for (int a = 0; a < arbre_.nb_etats; ++a) {
        if (signe(m1[a]) == 0) continue;
        for (int b = 0; b < arbre_.nb_etats; ++b) {
            if (signe(m2[b]) == 0) continue;
            Rationnel poids = m1[a] * m2[b];
            for (int autre : u.enfants)
                if (autre != enfant && signe(poids) != 0) poids *= somme_enfant(u, autre, a, b);
            if (signe(poids) == 0) continue;
            const Loi& t = transmission_.enfant(u, a, b, arbre_.sexes[enfant]);
            for (int g = 0; g < arbre_.nb_etats; ++g)
                if (signe(t[g]) != 0) l[g] += poids * t[g];
        }
    }
    return l;
}

Loi Elimination::vers_parent(const UnionArbre& u, bool premier) {
    const int n = static_cast<int>(&u - arbre_.unions.data());
    const Loi& autre = message_individu(premier ? u.second : u.premier, n);
    const Loi& vu = arbre_.indices[premier ? u.premier : u.second];
    Loi l(arbre_.nb_etats, 0);
    // A genotype that the parent cannot have is multiplied by zero wherever the message is
    // used: its children are not gone through (a mother "XD,Y" would make the crossing draw
    // without end).
    for (int x = 0; x < arbre_.nb_etats; ++x)
        for (int y = 0; y < arbre_.nb_etats && signe(vu[x]) != 0; ++y) {
            if (signe(autre[y]) == 0) continue;
            const int a = premier ? x : y, b = premier ? y : x;
            Rationnel poids = autre[y];
            for (int e : u.enfants)
                if (signe(poids) != 0) poids *= somme_enfant(u, e, a, b);
            l[x] += poids;
        }
    return l;
}

bool a_une_boucle(int nb_individus, const std::vector<UnionArbre>& unions) {
    // Individuals and unions are the nodes, each parent and child link an edge: a forest has
    // fewer edges than nodes by its number of trees, which a union-find counts.
    std::vector<int> chef(nb_individus + unions.size());
    std::iota(chef.begin(), chef.end(), 0);
    const auto racine = [&chef](int x) {
        while (chef[x] != x)
            x = chef[x] = chef[chef[x]];
        return x;
    };
    for (std::size_t u = 0; u < unions.size(); ++u) {
        std::vector<int> membres = unions[u].enfants;
        membres.push_back(unions[u].premier);
        membres.push_back(unions[u].second);
        for (int i : membres) {
            const int r1 = racine(i), r2 = racine(nb_individus + static_cast<int>(u));
            if (r1 == r2) return true;
            chef[r1] = r2;
        }
    }
    return false;
}

} // namespace orvan
