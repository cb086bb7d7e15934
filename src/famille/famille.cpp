#include "famille/famille.h"

#include <algorithm>

namespace orvan {

std::string Individu::bulle() const {
    return genotype_donne ? genotype(1).texte() + "//" + genotype(2).texte() : std::string();
}

void Famille::vide() {
    *this = Famille();
}

void Famille::place_fondateurs(Position homme, Position femme) {
    Individu& f1 = individus_[1];
    Individu& f2 = individus_[2];
    f1.position = homme;
    f2.position = femme;
    f1.sexe = Sexe::homme;
    f2.sexe = Sexe::femme;
    f1.visible = f2.visible = true;
}

int Famille::ajoute_conjoint(int p, Position place) {
    if (!individu_valide(p) || dernier_indiv_ < 0 || dernier_indiv_ >= max_individus) return 0;
    partenaire_du_conjoint_ = p;
    const int k = ++dernier_indiv_;
    Individu& conjoint = individus_[static_cast<std::size_t>(k)];
    conjoint.position = place;
    conjoint.visible = true;
    conjoint.sexe = autre_sexe(individu(p).sexe);
    return k;
}

void Famille::oublie_les_unions() {
    unions_ = {};
    nb_unions_ = 0;
    dernier_indiv_ = 0;
}

bool Famille::numerote_jusqu_a(int k) {
    if (k < 0 || k > max_individus + 1) return false;
    dernier_indiv_ = k;
    return true;
}

bool Famille::ajoute_union(int p1, int p2, int premier_enfant, int nb_enfants) {
    if (nb_unions_ < 0 || nb_unions_ > max_unions) return false;
    // A spouse chosen for itself is crossed with itself: old logs keep that family.
    if (!individu_valide(p1) || !individu_valide(p2) || nb_enfants < 0) return false;
    if (premier_enfant <= std::max(p1, p2) || premier_enfant + nb_enfants - 1 > max_individus)
        return false;
    unions_[static_cast<std::size_t>(nb_unions_)] = {p1, p2, premier_enfant, nb_enfants};
    ++nb_unions_;
    return true;
}

bool Famille::deplace(int k, Position p) {
    return change(k, [&](Individu& i) { i.position = p; });
}

bool Famille::montre(int k, bool visible) {
    return change(k, [&](Individu& i) { i.visible = visible; });
}

bool Famille::active(int k, bool actif) {
    return change(k, [&](Individu& i) { i.actif = actif; });
}

bool Famille::donne_sexe(int k, Sexe s) {
    return change(k, [&](Individu& i) { i.sexe = s; });
}

bool Famille::sexe_modifiable(int k) const {
    if (k == 1 || k == 2) return !individu(3 - k).genotype_donne;
    return individu_valide(k) && conjoints(k).empty();
}

bool Famille::change_sexe(int k, Sexe s) {
    if (!sexe_modifiable(k)) return false;
    donne_sexe(k, s);
    if (k == 1 || k == 2) donne_sexe(3 - k, autre_sexe(s));
    return true;
}

bool Famille::donne_genotype(int k, int gene, Genotype g) {
    if (gene < 1 || gene > 2) return false;
    return change(k, [&](Individu& i) { i.genotype(gene) = std::move(g); });
}

bool Famille::donne_phenotype(int k, int gene, std::string phenotype) {
    if (gene < 1 || gene > 2) return false;
    return change(k, [&](Individu& i) { i.phenotype(gene) = std::move(phenotype); });
}

bool Famille::montre_phenotype(int k, std::string texte) {
    return change(k, [&](Individu& i) { i.phenotype_affiche = std::move(texte); });
}

bool Famille::marque_genotype_donne(int k) {
    return change(k, [](Individu& i) {
        i.genotype_donne = true;
        i.bulle_etiquette = i.bulle();
    });
}

bool Famille::marque_genotype_saisi(int k) {
    return change(k, [](Individu& i) { i.genotype_saisi = true; });
}

bool Famille::marque_genotype_change(int k) {
    return change(k, [](Individu& i) { i.genotype_donne = i.genotype_saisi = true; });
}

std::vector<Union> Famille::unions_tirees() const {
    const int n = std::clamp(nb_unions_, 0, max_unions + 1);
    return {unions_.begin(), unions_.begin() + n};
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
    const Union& un = unions_[static_cast<std::size_t>(*u)];
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
    if (k == dernier_indiv_ && k > 2 && partenaire_du_conjoint_ != k &&
        individu_valide(partenaire_du_conjoint_))
        return generation(partenaire_du_conjoint_);
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
