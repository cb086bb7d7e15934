#include "statistiques/comparaison.h"

#include "ground/messages.h"

#include <cstdlib>
#include <map>
#include <sstream>

namespace orvan {

namespace {

Texte libelle(const CaseEnfants& c) {
    return c.phenotype + " " + nom_sexe_enfants(c.sexe);
}

void teste(Comparaison& c) {
    c.test = test_khi2(c.observes, c.attendus);
}

constexpr double poids_minimal = 1e-6;
constexpr double poids_maximal = 1e6;

std::string entre_crochets(std::string nom) {
    if (nom.empty() || nom.front() != '[') nom = "[" + nom + "]";
    return nom;
}

std::optional<Hypothese::Rapport> lit_rapport(const std::string& mot, Texte& erreur) {
    const auto egal = mot.find('=');
    if (egal == std::string::npos || egal == 0) {
        erreur = msg::hypothese_sans_egal.avec({Texte::tel_quel(mot)});
        return std::nullopt;
    }
    Hypothese::Rapport r;
    std::string nom = mot.substr(0, egal);
    if (const auto barre = nom.find('/'); barre != std::string::npos) {
        const std::string sexe = nom.substr(barre + 1);
        const bool garcons = sexe == msg::fils.francais || sexe == msg::fils.anglais;
        if (!garcons && sexe != msg::filles.francais && sexe != msg::filles.anglais) {
            erreur = msg::hypothese_sexe.avec({Texte::tel_quel(mot)});
            return std::nullopt;
        }
        r.sexe = garcons ? Sexe::homme : Sexe::femme;
        nom.resize(barre);
    }
    r.phenotype = entre_crochets(nom);
    const std::string nombre = mot.substr(egal + 1);
    char* fin = nullptr;
    r.poids = std::strtod(nombre.c_str(), &fin);
    if (nombre.empty() || *fin != '\0' || !(r.poids >= 0)) {
        erreur = msg::hypothese_nombre.avec({Texte::tel_quel(mot)});
        return std::nullopt;
    }
    // Past these bounds an expected count overflows or vanishes, and the test means nothing.
    if (r.poids != 0 && !(r.poids >= poids_minimal && r.poids <= poids_maximal)) {
        erreur = msg::hypothese_hors_bornes.avec({Texte::tel_quel(mot)});
        return std::nullopt;
    }
    return r;
}

} // namespace

Texte nom_sexe_enfants(Sexe s) {
    return s == Sexe::homme ? msg::fils : msg::filles;
}

std::optional<Comparaison> compare_au_programme(const TableCroisement& t) {
    if (!t.loi_connue || t.attendus.empty()) return std::nullopt;
    Comptes cases = t.attendus;
    for (const auto& [c, n] : t.observes)
        cases[c] += 0;
    Comparaison r;
    for (const auto& [c, attendu] : cases) {
        r.cases.push_back(libelle(c));
        const auto o = t.observes.find(c);
        r.observes.push_back(o == t.observes.end() ? 0 : o->second);
        r.attendus.push_back(attendu);
    }
    teste(r);
    return r;
}

bool Hypothese::par_sexe() const {
    for (const Rapport& r : rapports)
        if (r.sexe) return true;
    return false;
}

std::optional<Hypothese> lit_hypothese(const std::string& texte, Texte& erreur) {
    std::string t = texte;
    for (char& c : t)
        if (c == ',' || c == ';' || c == ':') c = ' ';
    std::istringstream mots(t);
    Hypothese h;
    double somme = 0;
    for (std::string mot; mots >> mot;) {
        const auto r = lit_rapport(mot, erreur);
        if (!r) return std::nullopt;
        h.rapports.push_back(*r);
        somme += r->poids;
    }
    if (somme <= 0) {
        erreur = msg::hypothese_vide;
        return std::nullopt;
    }
    return h;
}

Comparaison compare_a_l_hypothese(const TableCroisement& t, const Hypothese& h) {
    const bool par_sexe = h.par_sexe();
    // Every cell that was observed or that the hypothesis names, in one order: by phenotype,
    // then sons before daughters.
    using Cellule = std::pair<std::string, std::optional<Sexe>>;
    std::map<Cellule, std::pair<double, double>> cases; // observed, weight
    for (const auto& [c, n] : t.observes)
        cases[{c.phenotype, par_sexe ? std::optional(c.sexe) : std::nullopt}].first += n;
    double somme = 0;
    for (const Hypothese::Rapport& r : h.rapports) {
        if (par_sexe && !r.sexe) {
            // A phenotype without a sex in a hypothesis per sex: half for each.
            cases[{r.phenotype, Sexe::homme}].second += r.poids / 2;
            cases[{r.phenotype, Sexe::femme}].second += r.poids / 2;
        } else {
            cases[{r.phenotype, r.sexe}].second += r.poids;
        }
        somme += r.poids;
    }
    const double n = total(t.observes);
    Comparaison c;
    for (const auto& [cellule, v] : cases) {
        const auto& [phenotype, sexe] = cellule;
        c.cases.push_back(sexe ? libelle({phenotype, *sexe}) : Texte::tel_quel(phenotype));
        c.observes.push_back(v.first);
        c.attendus.push_back(somme > 0 ? n * v.second / somme : 0);
    }
    teste(c);
    return c;
}

} // namespace orvan
