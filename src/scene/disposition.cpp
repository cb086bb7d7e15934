#include "scene/disposition.h"

#include <algorithm>
#include <limits>
#include <map>

namespace orvan {

namespace {

// Between the blocks of two couples, and between two sibships of one block.
constexpr double ecart_blocs = 24;
// The line down to a sibship keeps this far from the next sibship's first child.
constexpr double ecart_descente = 12;
// A logged shift may run to the bound of the positions: the picture slides a sibship no
// further than a wide screen, which keeps the picture within what can be drawn.
constexpr double glissement_max = 1920;

using Largeurs = std::array<double, max_individus + 1>;

struct Bloc;

// One union of the block's top row: who of the row is the partner, its spouse (0 when not
// shown) and the blocks of its children.
struct Mariage {
    int de = 0, conjoint = 0;
    int union_famille = -1; // the family's union, whose logged shift moves the sibship
    std::vector<Bloc> enfants;
};

// An individual, its spouses to its right (a spouse's own other spouses right after it), and
// under them their children's blocks, sibship by sibship in the order of the spouses.
struct Bloc {
    int generation = 0;
    std::vector<int> haut;
    std::vector<Mariage> mariages;
};

// A block laid out from its own left edge.
struct BlocDispose {
    std::map<int, Colonne> colonnes;
    std::vector<CoupleScene> couples;
    double largeur = 0;

    void decale(double dx) {
        for (auto& [k, c] : colonnes)
            c.gauche += dx;
        for (CoupleScene& c : couples)
            c.descente += dx;
    }
    double centre(int k) const { return colonnes.at(k).centre(); }
    double gauche() const {
        double g = std::numeric_limits<double>::infinity();
        for (const auto& [k, c] : colonnes)
            g = std::min(g, c.gauche);
        return g;
    }
    double droite() const {
        double d = -std::numeric_limits<double>::infinity();
        for (const auto& [k, c] : colonnes)
            d = std::max(d, c.droite());
        return d;
    }
};

struct Fratries;

class Disposeur {
  public:
    Disposeur(const Famille& f, const Largeurs& l, const DecalagesFratries& decalages);
    Disposition dispose();

  private:
    bool montre(int k) const {
        return individu_valide(k) && f_.individu(k).visible &&
               !place_[static_cast<std::size_t>(k)] && f_.generation(k) > 0;
    }
    double largeur(int k) const { return largeurs_[static_cast<std::size_t>(k)]; }
    void marque(int k) { place_[static_cast<std::size_t>(k)] = true; }
    Bloc bloc_de(int k, int generation);
    void ajoute_mariages(Bloc& b, int de, int generation);
    BlocDispose dispose_bloc(const Bloc& b);
    BlocDispose dispose_fratrie(const std::vector<Bloc>& enfants);
    Fratries dispose_fratries(const Bloc& b, const std::vector<std::size_t>& ordre);
    std::vector<double> place_la_rangee(const Bloc& b, const std::vector<std::size_t>& ordre,
                                        Fratries& fr, BlocDispose& bd);
    void glisse_fratries(const Bloc& b, const std::vector<std::size_t>& ordre, Fratries& fr,
                         const std::vector<double>& descentes) const;
    void place_detours(const Bloc& b, BlocDispose& bd);

    const Famille& f_;
    // One per couple: the latest crossing of two partners, and its number in the family.
    std::vector<Union> unions_;
    std::vector<int> numeros_unions_;
    const Largeurs& largeurs_;
    const DecalagesFratries& decalages_;
    std::array<bool, max_individus + 1> place_{};
    Disposition d_;
};

Disposeur::Disposeur(const Famille& f, const Largeurs& l, const DecalagesFratries& decalages)
    : f_(f), largeurs_(l), decalages_(decalages) {
    const std::vector<Union> tirees = f.unions_tirees();
    for (std::size_t n = 0; n < tirees.size(); ++n) {
        const Union& u = tirees[n];
        const auto meme_couple = [&u](const Union& v) {
            return v.a_pour_partenaire(u.partenaire1) && v.a_pour_partenaire(u.partenaire2);
        };
        const auto i = std::find_if(unions_.begin(), unions_.end(), meme_couple);
        if (i == unions_.end()) {
            unions_.push_back(u);
            numeros_unions_.push_back(static_cast<int>(n));
        } else {
            *i = u;
            numeros_unions_[static_cast<std::size_t>(i - unions_.begin())] = static_cast<int>(n);
        }
    }
}

void Disposeur::ajoute_mariages(Bloc& b, int de, int generation) {
    for (std::size_t n = 0; n < unions_.size(); ++n) {
        const Union& u = unions_[n];
        if (!u.a_pour_partenaire(de) || u.partenaire1 == u.partenaire2) continue;
        const int autre = u.partenaire1 == de ? u.partenaire2 : u.partenaire1;
        // A couple of the row met again from its other partner's side.
        if (std::find(b.haut.begin(), b.haut.end(), autre) != b.haut.end()) continue;
        Mariage m{de, 0, numeros_unions_[n], {}};
        if (montre(autre)) {
            marque(autre);
            b.haut.push_back(autre);
            m.conjoint = autre;
        }
        std::vector<int> enfants;
        for (int k = u.premier_enfant; k < u.premier_enfant + u.nb_enfants; ++k)
            if (montre(k)) {
                marque(k);
                enfants.push_back(k);
            }
        const std::size_t i = b.mariages.size();
        b.mariages.push_back(std::move(m));
        for (int k : enfants)
            b.mariages[i].enfants.push_back(bloc_de(k, generation + 1));
        if (b.mariages[i].conjoint) ajoute_mariages(b, b.mariages[i].conjoint, generation);
    }
}

Bloc Disposeur::bloc_de(int k, int generation) {
    marque(k);
    Bloc b{generation, {k}, {}};
    ajoute_mariages(b, k, generation);
    // A spouse being chosen already stands beside the one it is given to.
    const int attente = f_.dernier_indiv();
    if (f_.partenaire_du_conjoint() == k && montre(attente)) {
        marque(attente);
        b.haut.push_back(attente);
        b.mariages.push_back({k, attente, -1, {}});
    }
    return b;
}

// The unions in the order of their spouses in the row, those without a spouse shown last.
std::vector<std::size_t> ordre_des_unions(const Bloc& b) {
    std::vector<std::size_t> ordre;
    for (std::size_t j = 1; j < b.haut.size(); ++j)
        for (std::size_t i = 0; i < b.mariages.size(); ++i)
            if (b.mariages[i].conjoint == b.haut[j]) ordre.push_back(i);
    for (std::size_t i = 0; i < b.mariages.size(); ++i)
        if (!b.mariages[i].conjoint) ordre.push_back(i);
    return ordre;
}

// The sibships of a block's top row, side by side from 0 in the given order, each with its
// first and last child: the line down to it aims at their middle.
struct Fratries {
    std::vector<BlocDispose> blocs;
    std::vector<std::pair<int, int>> bornes;
    bool a_des_enfants(std::size_t i) const { return bornes[i].first != 0; }
    double milieu(std::size_t i) const {
        return (blocs[i].centre(bornes[i].first) + blocs[i].centre(bornes[i].second)) / 2;
    }
    double premier(std::size_t i) const { return blocs[i].centre(bornes[i].first); }
    double dernier(std::size_t i) const { return blocs[i].centre(bornes[i].second); }
};

// A sibship's blocks side by side; two children without spouses stand close.
BlocDispose Disposeur::dispose_fratrie(const std::vector<Bloc>& enfants) {
    BlocDispose fratrie;
    double g = 0;
    for (std::size_t j = 0; j < enfants.size(); ++j) {
        BlocDispose e = dispose_bloc(enfants[j]);
        const bool isole =
            enfants[j].mariages.empty() && (j == 0 || enfants[j - 1].mariages.empty());
        if (j > 0 && !isole) g += ecart_blocs;
        e.decale(g);
        g += e.largeur;
        fratrie.colonnes.merge(e.colonnes);
        fratrie.couples.insert(fratrie.couples.end(), e.couples.begin(), e.couples.end());
    }
    fratrie.largeur = g;
    return fratrie;
}

Fratries Disposeur::dispose_fratries(const Bloc& b, const std::vector<std::size_t>& ordre) {
    const std::size_t n = b.mariages.size();
    Fratries fr{std::vector<BlocDispose>(n), std::vector<std::pair<int, int>>(n)};
    double x = 0;
    for (std::size_t i : ordre) {
        const auto& enfants = b.mariages[i].enfants;
        if (enfants.empty()) continue;
        fr.blocs[i] = dispose_fratrie(enfants);
        fr.bornes[i] = {enfants.front().haut.front(), enfants.back().haut.front()};
        fr.blocs[i].decale(x);
        x += fr.blocs[i].largeur + ecart_blocs;
    }
    return fr;
}

// The first individual of the row over its first sibship, so that the line down to it leaves
// between it and its first spouse right over the children's middle; each later spouse over its
// own sibship's middle, or next to the one before. A line down that would reach the next
// sibship's first child pushes the sibships after it to the right. Gives each union's line down.
std::vector<double> Disposeur::place_la_rangee(const Bloc& b, const std::vector<std::size_t>& ordre,
                                               Fratries& fr, BlocDispose& bd) {
    const int premier = b.haut.front();
    double droite = largeur(premier);
    if (!ordre.empty() && fr.a_des_enfants(ordre[0]) && b.mariages[ordre[0]].conjoint)
        droite = fr.milieu(ordre[0]);
    bd.colonnes[premier] = {b.generation, droite - largeur(premier), largeur(premier)};
    std::vector<double> descentes(b.mariages.size(), 0);
    for (std::size_t r = 0; r < ordre.size(); ++r) {
        const std::size_t i = ordre[r];
        const Mariage& m = b.mariages[i];
        const double descente = fr.a_des_enfants(i) ? std::max(fr.milieu(i), droite) : droite;
        descentes[i] = descente;
        if (m.conjoint) {
            bd.colonnes[m.conjoint] = {b.generation, descente, largeur(m.conjoint)};
            droite = descente + largeur(m.conjoint);
        }
        for (std::size_t s = r + 1; s < ordre.size(); ++s) {
            const std::size_t j = ordre[s];
            if (!fr.a_des_enfants(j)) continue;
            const double decalage = descente + ecart_descente - fr.premier(j);
            if (decalage > 0)
                for (std::size_t t = s; t < ordre.size(); ++t)
                    fr.blocs[ordre[t]].decale(decalage);
            break;
        }
    }
    return descentes;
}

BlocDispose Disposeur::dispose_bloc(const Bloc& b) {
    const std::vector<std::size_t> ordre = ordre_des_unions(b);
    Fratries fr = dispose_fratries(b, ordre);
    BlocDispose bd;
    const std::vector<double> descentes = place_la_rangee(b, ordre, fr, bd);
    glisse_fratries(b, ordre, fr, descentes);
    for (std::size_t i = 0; i < b.mariages.size(); ++i) {
        const Mariage& m = b.mariages[i];
        bd.colonnes.merge(fr.blocs[i].colonnes);
        bd.couples.insert(bd.couples.end(), fr.blocs[i].couples.begin(), fr.blocs[i].couples.end());
        if (!m.conjoint) continue;
        CoupleScene c{m.de, m.conjoint, {}, descentes[i], 0, 0};
        for (const Bloc& e : m.enfants)
            c.enfants.push_back(e.haut.front());
        bd.couples.push_back(std::move(c));
    }
    place_detours(b, bd);
    double gauche = 0;
    for (const auto& [k, c] : bd.colonnes)
        gauche = std::min(gauche, c.gauche);
    bd.decale(-gauche);
    for (const auto& [k, c] : bd.colonnes)
        bd.largeur = std::max(bd.largeur, c.droite());
    return bd;
}

// A sibship the pupil slid stands off by its logged shift, its parents where they were. Those
// beside it give way: no two sibships' blocks meet, and no sibship's line reaches the line down
// to another sibship of the row. A shift those bounds refuse goes as far as they let it.
void Disposeur::glisse_fratries(const Bloc& b, const std::vector<std::size_t>& ordre, Fratries& fr,
                                const std::vector<double>& descentes) const {
    std::vector<std::size_t> avec; // the sibships with children, from the left
    for (std::size_t i : ordre)
        if (fr.a_des_enfants(i)) avec.push_back(i);
    if (avec.empty()) return;
    const std::size_t n = avec.size();
    // How far right each one may go while those after it can still give way; never less than
    // where it stands unshifted.
    constexpr double infini = std::numeric_limits<double>::infinity();
    std::vector<double> plus_loin(n, infini);
    for (std::size_t r = n - 1; r-- > 0;) {
        const std::size_t i = avec[r], j = avec[r + 1];
        const double avant_descente = descentes[j] - ecart_descente - fr.dernier(i);
        const double avant_bloc =
            plus_loin[r + 1] + fr.blocs[j].gauche() - ecart_blocs - fr.blocs[i].droite();
        plus_loin[r] = std::max(0.0, std::min(avant_descente, avant_bloc));
    }
    double droite = -infini, descente = -infini;
    for (std::size_t r = 0; r < n; ++r) {
        const std::size_t i = avec[r];
        const int u = b.mariages[i].union_famille;
        const double voulu = u >= 0 && u <= max_unions
                                 ? std::clamp(decalages_[static_cast<std::size_t>(u)],
                                              -glissement_max, glissement_max)
                                 : 0;
        const double plus_pres = std::max(std::min(0.0, descente + ecart_descente - fr.premier(i)),
                                          droite + ecart_blocs - fr.blocs[i].gauche());
        const double decalage = std::max(plus_pres, std::min(voulu, plus_loin[r]));
        fr.blocs[i].decale(decalage);
        droite = fr.blocs[i].droite();
        descente = descentes[i];
    }
}

// The couples of the row that are not side by side go over it: a line that passes over
// another goes higher, and of the lines that leave one symbol the higher leaves further left.
void Disposeur::place_detours(const Bloc& b, BlocDispose& bd) {
    const auto rang = [&b](int k) {
        return static_cast<int>(std::find(b.haut.begin(), b.haut.end(), k) - b.haut.begin());
    };
    std::vector<CoupleScene*> detours;
    for (CoupleScene& c : bd.couples)
        if (rang(c.gauche) < static_cast<int>(b.haut.size()) && rang(c.droite) - rang(c.gauche) > 1)
            detours.push_back(&c);
    std::stable_sort(detours.begin(), detours.end(), [&rang](const auto* a, const auto* c) {
        return rang(a->droite) - rang(a->gauche) < rang(c->droite) - rang(c->gauche);
    });
    for (std::size_t i = 0; i < detours.size(); ++i) {
        CoupleScene& c = *detours[i];
        c.detour = 1;
        for (std::size_t j = 0; j < i; ++j) {
            const CoupleScene& d = *detours[j];
            if (rang(d.gauche) < rang(c.droite) && rang(c.gauche) < rang(d.droite))
                c.detour = std::max(c.detour, d.detour + 1);
            if (d.gauche == c.gauche) ++c.depart;
        }
        auto& niveaux = d_.detours;
        if (niveaux.size() <= static_cast<std::size_t>(b.generation))
            niveaux.resize(static_cast<std::size_t>(b.generation) + 1, 0);
        niveaux[static_cast<std::size_t>(b.generation)] =
            std::max(niveaux[static_cast<std::size_t>(b.generation)], c.detour);
    }
}

Disposition Disposeur::dispose() {
    std::vector<Bloc> blocs;
    int gauche = 0;
    for (int k : {1, 2})
        if (montre(k) && f_.generation(k) == 1 &&
            (!gauche || f_.individu(k).position.gauche < f_.individu(gauche).position.gauche))
            gauche = k;
    if (gauche) blocs.push_back(bloc_de(gauche, 1));
    // Whoever the founders' block does not hold stands to its right, with its own descendants.
    for (int generation = 1; generation <= max_individus; ++generation)
        for (int k = 1; k <= max_individus; ++k)
            if (montre(k) && f_.generation(k) == generation)
                blocs.push_back(bloc_de(k, generation));
    double x = 0;
    for (const Bloc& b : blocs) {
        BlocDispose bd = dispose_bloc(b);
        if (x > 0) x += ecart_blocs;
        bd.decale(x);
        x += bd.largeur;
        for (const auto& [k, c] : bd.colonnes) {
            d_.colonnes[static_cast<std::size_t>(k)] = c;
            d_.rangees = std::max(d_.rangees, c.generation);
        }
        d_.couples.insert(d_.couples.end(), bd.couples.begin(), bd.couples.end());
    }
    d_.largeur = x;
    d_.detours.resize(static_cast<std::size_t>(d_.rangees) + 1, 0);
    return d_;
}

} // namespace

Disposition dispose(const Famille& famille, const Largeurs& largeurs,
                    const DecalagesFratries& decalages) {
    return Disposeur(famille, largeurs, decalages).dispose();
}

} // namespace orvan
