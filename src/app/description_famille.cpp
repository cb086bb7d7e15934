#include "app/description_famille.h"

#include "app/fenetre_principale.h"
#include "ui/numerotation.h"

#include <algorithm>
#include <array>

namespace orvan {

namespace {

// "[A,Rh+]" -> {"A", "Rh+"}.
std::array<std::string, 2> noms_des_phenotypes(std::string texte) {
    if (texte.size() >= 2 && texte.front() == '[' && texte.back() == ']')
        texte = texte.substr(1, texte.size() - 2);
    const auto virgule = texte.find(',');
    if (virgule == std::string::npos) return {texte, std::string()};
    return {texte.substr(0, virgule), texte.substr(virgule + 1)};
}

std::string genotype_lisible(const std::string& bulle) {
    const auto barres = bulle.find("//");
    if (barres == std::string::npos) return bulle;
    const std::string g1 = bulle.substr(0, barres);
    const std::string g2 = bulle.substr(barres + 2);
    if (g2.empty() || g2 == ",") return g1;
    return g1 + " et " + g2;
}

void decrit_relations(const Famille& famille, IndividuDecrit& i) {
    if (const auto p = famille.parents(i.k)) i.parents = {p->premier, p->second};
    std::erase(i.parents, 0);
    i.conjoints = famille.conjoints(i.k);
    std::erase(i.conjoints, 0);
    i.enfants = famille.enfants(i.k);
    if (const auto u = famille.union_des_parents(i.k)) i.fratrie = *u;
    const auto unions = famille.unions_tirees();
    for (std::size_t u = 0; u < unions.size() && i.union_conjoint < 0; ++u)
        if (unions[u].a_pour_partenaire(i.k)) i.union_conjoint = static_cast<int>(u);
}

std::string numeros(const std::vector<int>& ks, const std::vector<IndividuDecrit>& famille) {
    std::string texte;
    for (std::size_t n = 0; n < ks.size(); ++n) {
        const IndividuDecrit* i = trouve(famille, ks[n]);
        if (!i) continue;
        if (!texte.empty()) texte += n + 1 == ks.size() ? " et " : ", ";
        texte += i->numero;
    }
    return texte;
}

} // namespace

std::vector<IndividuDecrit> decrit_famille(const FenetrePrincipale& f) {
    const Famille& famille = f.famille;
    const std::array<std::string, 2> genes = {
        f.genes.premier_gene->texte_choisi(),
        f.genes.modele.nb_genes == 2 ? f.genes.second_gene->texte_choisi() : std::string()};
    std::vector<IndividuDecrit> decrits;
    for (int k = 1; k <= max_individus; ++k) {
        const Individu& ind = famille.individu(k);
        const int rang = famille.place(k);
        const int generation = famille.generation(k);
        if (!ind.visible || rang == 0 || generation == 0) continue;
        IndividuDecrit i;
        i.k = k;
        i.femme = ind.sexe == Sexe::femme;
        i.generation = generation;
        i.rang = rang;
        i.numero = numero_texte({k, generation, rang});
        i.phenotype = ind.phenotype_affiche;
        const auto noms = noms_des_phenotypes(i.phenotype);
        for (std::size_t g = 0; g < 2; ++g) {
            const std::string mot = qualificatif_du_phenotype(genes[g], noms[g], i.femme);
            if (mot.empty()) continue;
            i.qualificatif += (i.qualificatif.empty() ? "" : ", ") + mot;
        }
        // The genotype exercise hides the hints: the names must not give its answers away.
        const bool bulles =
            f.show_hint_global && f.arbre.tab_shape[static_cast<std::size_t>(k)]->show_hint;
        if (bulles) i.genotype = genotype_lisible(ind.bulle());
        i.actif = ind.actif;
        decrit_relations(famille, i);
        decrits.push_back(std::move(i));
    }
    std::sort(decrits.begin(), decrits.end(), [](const auto& x, const auto& y) {
        return std::pair(x.generation, x.rang) < std::pair(y.generation, y.rang);
    });
    return decrits;
}

const IndividuDecrit* trouve(const std::vector<IndividuDecrit>& famille, int k) {
    for (const IndividuDecrit& i : famille)
        if (i.k == k) return &i;
    return nullptr;
}

std::string nom_accessible(const IndividuDecrit& i) {
    std::string nom = i.numero + ", " + (i.femme ? "femme" : "homme");
    if (!i.phenotype.empty()) nom += ", " + i.phenotype;
    if (!i.qualificatif.empty()) nom += ", " + i.qualificatif;
    if (!i.genotype.empty()) nom += ", génotype " + i.genotype;
    return nom;
}

std::string description_accessible(const IndividuDecrit& i,
                                   const std::vector<IndividuDecrit>& famille) {
    std::vector<std::string> parties;
    if (const std::string p = numeros(i.parents, famille); !p.empty())
        parties.push_back((i.femme ? "fille de " : "fils de ") + p);
    if (const std::string c = numeros(i.conjoints, famille); !c.empty())
        parties.push_back((i.femme ? "épouse de " : "époux de ") + c);
    if (const std::string e = numeros(i.enfants, famille); !e.empty())
        parties.push_back("parent de " + e);
    std::string texte;
    for (const std::string& p : parties)
        texte += (texte.empty() ? "" : " ; ") + p;
    return texte;
}

std::string qualificatif_du_phenotype(const std::string& nom_du_gene, const std::string& phenotype,
                                      bool femme) {
    const auto espace = nom_du_gene.rfind(' ');
    if (phenotype.empty() || espace == std::string::npos) return {};
    if (nom_du_gene.substr(espace + 1) != phenotype) return {};
    const std::string maladie = nom_du_gene.substr(0, espace);
    struct Adjectif {
        const char *maladie, *homme, *femme;
    };
    static constexpr std::array<Adjectif, 2> adjectifs = {{
        {"Daltonisme", "daltonien", "daltonienne"},
        {"Hémophilie", "hémophile", "hémophile"},
    }};
    for (const Adjectif& a : adjectifs)
        if (maladie == a.maladie) return femme ? a.femme : a.homme;
    std::string nom = maladie;
    if (!nom.empty() && nom[0] >= 'A' && nom[0] <= 'Z')
        nom[0] = static_cast<char>(nom[0] - 'A' + 'a');
    return (femme ? "atteinte de " : "atteint de ") + nom;
}

int voisin(const std::vector<IndividuDecrit>& famille, int k, Direction d) {
    const IndividuDecrit* i = trouve(famille, k);
    if (!i) return 0;
    switch (d) {
    case Direction::haut:
        for (int p : i->parents)
            if (trouve(famille, p)) return p;
        return 0;
    case Direction::bas: {
        const IndividuDecrit* premier = nullptr;
        for (int e : i->enfants)
            if (const IndividuDecrit* enfant = trouve(famille, e))
                if (!premier || enfant->rang < premier->rang) premier = enfant;
        return premier ? premier->k : 0;
    }
    case Direction::gauche:
    case Direction::droite: {
        const int rang = i->rang + (d == Direction::droite ? 1 : -1);
        for (const IndividuDecrit& autre : famille)
            if (autre.generation == i->generation && autre.rang == rang) return autre.k;
        return 0;
    }
    }
    return 0;
}

} // namespace orvan
