#include "probabilites/transmissions.h"

#include "probabilites/a_priori.h"

namespace orvan {

const Loi& TransmissionPopulation::enfant(const UnionArbre& u, int a, int b, Sexe sexe) {
    const auto cle = std::make_tuple(a, b, sexes_[u.premier], sexes_[u.second], sexe);
    if (const auto it = connues_.find(cle); it != connues_.end()) return it->second;
    return connues_
        .emplace(cle, transmission_mendel(gene_, a, sexes_[u.premier], b, sexes_[u.second], sexe))
        .first->second;
}

int TransmissionProgramme::nb_etats() const {
    int n = 1;
    for (int g : genes_)
        n *= espaces_[g].nb_etats();
    return n;
}

GenotypesParent TransmissionProgramme::textes(int individu, int etat) const {
    GenotypesParent t = references_[individu];
    for (std::size_t k = genes_.size(); k-- > 0;) {
        const int n = espaces_[genes_[k]].nb_etats();
        t[genes_[k]] = espaces_[genes_[k]].texte(etat % n);
        etat /= n;
    }
    return t;
}

const Loi& TransmissionProgramme::enfant(const UnionArbre& u, int a, int b, Sexe sexe) {
    const auto cle = std::make_tuple(u.premier, u.second, a, b, sexe);
    if (const auto it = connues_.find(cle); it != connues_.end()) return it->second;
    const LoiEnfant& issues = lois_.loi(textes(u.premier, a), textes(u.second, b));
    Loi l(nb_etats(), 0);
    Rationnel du_sexe = 0;
    for (const auto& [issue, p] : issues) {
        if (std::get<2>(issue) != sexe) continue;
        du_sexe += p;
        const std::array<std::string, 2> genotypes = {std::get<0>(issue), std::get<1>(issue)};
        int e = 0;
        bool connu = true;
        for (int g : genes_) {
            const auto k = espaces_[g].etat(genotypes[g]);
            connu = connu && k.has_value();
            e = e * espaces_[g].nb_etats() + k.value_or(0);
        }
        if (connu) l[e] += p;
    }
    if (signe(du_sexe) != 0)
        for (Rationnel& p : l)
            p /= du_sexe;
    return connues_.emplace(cle, std::move(l)).first->second;
}

namespace {

// The child's genotypes of both genes given its sex, and the sex's probability.
struct LoiJointe {
    std::map<std::pair<int, int>, Rationnel> paires;
    Rationnel total = 0;
};

LoiJointe loi_jointe(const std::vector<EspaceGene>& espaces, const LoiEnfant& issues, Sexe sexe) {
    LoiJointe j;
    for (const auto& [issue, p] : issues) {
        if (std::get<2>(issue) != sexe) continue;
        j.total += p;
        const auto e1 = espaces[0].etat(std::get<0>(issue));
        const auto e2 = espaces[1].etat(std::get<1>(issue));
        if (e1 && e2) j.paires[{*e1, *e2}] += p;
    }
    return j;
}

// Whether the joint law is the product of its two margins; the margins come back in m1, m2.
bool produit_des_marges(const LoiJointe& j, std::map<int, Rationnel>& m1,
                        std::map<int, Rationnel>& m2) {
    for (const auto& [paire, p] : j.paires) {
        m1[paire.first] += p / j.total;
        m2[paire.second] += p / j.total;
    }
    for (const auto& [x, px] : m1)
        for (const auto& [y, py] : m2) {
            const auto it = j.paires.find({x, y});
            const Rationnel p = it == j.paires.end() ? Rationnel(0) : it->second / j.total;
            if (p != px * py) return false;
        }
    return true;
}

} // namespace

bool genes_independants(const std::vector<EspaceGene>& espaces,
                        const std::vector<UnionArbre>& unions,
                        const std::vector<std::vector<std::vector<int>>>& possibles,
                        LoiEnfantProgramme& lois) {
    // A margin seen once per union, gene, pair of that gene's parents' genotypes and sex.
    std::map<std::tuple<std::size_t, int, int, int, Sexe>, std::map<int, Rationnel>> marges;
    const auto meme_marge = [&marges](std::tuple<std::size_t, int, int, int, Sexe> cle,
                                      const std::map<int, Rationnel>& m) {
        const auto [it, nouvelle] = marges.try_emplace(cle, m);
        return nouvelle || it->second == m;
    };
    for (std::size_t n = 0; n < unions.size(); ++n) {
        const UnionArbre& u = unions[n];
        for (int a1 : possibles[0][u.premier])
            for (int a2 : possibles[1][u.premier])
                for (int b1 : possibles[0][u.second])
                    for (int b2 : possibles[1][u.second]) {
                        const LoiEnfant& issues =
                            lois.loi({espaces[0].texte(a1), espaces[1].texte(a2)},
                                     {espaces[0].texte(b1), espaces[1].texte(b2)});
                        for (Sexe s : {Sexe::homme, Sexe::femme}) {
                            const LoiJointe j = loi_jointe(espaces, issues, s);
                            if (signe(j.total) == 0) continue;
                            std::map<int, Rationnel> m1, m2;
                            if (!produit_des_marges(j, m1, m2) ||
                                !meme_marge({n, 0, a1, b1, s}, m1) ||
                                !meme_marge({n, 1, a2, b2, s}, m2))
                                return false;
                        }
                    }
    }
    return true;
}

} // namespace orvan
