#include "app/description_famille.h"

#include "app/fenetre_principale.h"
#include "ui/numerotation.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace orvan {

namespace {

struct Union {
    int u = 0;
    int premier = 0, second = 0;
    int debut = 0, nb_enfants = 0; // children debut+1 .. debut+nb_enfants
};

// The first parent of a later union is the child of the founders whose symbol its marriage
// line starts from; the founders' sibship may have moved since, all of it at once, so the
// nearest one.
int premier_parent(const Arbre& a, int u) {
    if (u == 0) return 1;
    const Panel& couple = *a.tab_couple[static_cast<std::size_t>(u)];
    const Fratrie& f0 = a.ped.fratrie[0];
    int meilleur = 0, ecart_min = 0;
    for (int j = f0.debut + 1; j <= f0.debut + f0.nb_enfants && individu_valide(j); ++j) {
        const Forme& s = *a.tab_shape[static_cast<std::size_t>(j)];
        const int ecart = std::abs(s.left + s.width - couple.left);
        if (meilleur == 0 || ecart < ecart_min) {
            meilleur = j;
            ecart_min = ecart;
        }
    }
    return meilleur;
}

std::vector<Union> unions_tirees(const Arbre& a) {
    std::vector<Union> unions;
    const int n = std::clamp(a.ped.nb_unions, 0, max_unions + 1);
    for (int u = 0; u < n; ++u) {
        const Fratrie& fr = a.ped.fratrie[static_cast<std::size_t>(u)];
        unions.push_back({u, premier_parent(a, u), fr.debut, fr.debut, fr.nb_enfants});
    }
    // The spouse whose phenotype is being chosen already stands beside its partner.
    const Pedigree& p = a.ped;
    if (p.choix_en_cours != 0 && p.choix_en_cours == p.dernier_indiv && p.dernier_indiv > 2 &&
        individu_valide(p.parent_union))
        unions.push_back({-1, p.parent_union, p.dernier_indiv, p.dernier_indiv, 0});
    return unions;
}

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

void decrit_relations(const Arbre& a, std::vector<IndividuDecrit>& famille) {
    for (const Union& u : unions_tirees(a)) {
        for (IndividuDecrit& i : famille) {
            if (i.k > u.debut && i.k <= u.debut + u.nb_enfants) {
                i.parents = {u.premier, u.second};
                i.fratrie = u.u;
            }
            if (i.k == u.premier || i.k == u.second) {
                if (i.union_conjoint < 0) i.union_conjoint = u.u;
                i.conjoints.push_back(i.k == u.premier ? u.second : u.premier);
                for (int j = u.debut + 1; j <= u.debut + u.nb_enfants; ++j)
                    i.enfants.push_back(j);
            }
        }
    }
    for (IndividuDecrit& i : famille) {
        std::erase(i.parents, 0);
        std::erase(i.conjoints, 0);
        std::sort(i.enfants.begin(), i.enfants.end());
    }
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
    const Arbre& a = f.arbre;
    std::vector<PlaceIndividu> places;
    for (int k = 1; k <= max_individus; ++k) {
        const Forme& s = *a.tab_shape[static_cast<std::size_t>(k)];
        if (s.affiche()) places.push_back({k, s.left, s.top});
    }
    const auto numerotation = numerote(places, {a.ped.haut_gen1, a.ped.haut_gen2, a.ped.haut_gen3});
    const std::array<std::string, 2> genes = {
        f.genes.premier_gene->texte_choisi(),
        f.genes.modele.nb_genes == 2 ? f.genes.second_gene->texte_choisi() : std::string()};
    std::vector<IndividuDecrit> famille;
    for (const NumeroIndividu& n : numerotation) {
        const auto k = static_cast<std::size_t>(n.k);
        const Forme& s = *a.tab_shape[k];
        IndividuDecrit i;
        i.k = n.k;
        i.femme = s.contour == Contour::cercle;
        i.generation = n.generation;
        i.rang = n.rang;
        i.numero = numero_texte(n);
        i.phenotype = a.tab_label[k]->caption;
        const auto noms = noms_des_phenotypes(i.phenotype);
        for (std::size_t g = 0; g < 2; ++g) {
            const std::string mot = qualificatif_du_phenotype(genes[g], noms[g], i.femme);
            if (mot.empty()) continue;
            i.qualificatif += (i.qualificatif.empty() ? "" : ", ") + mot;
        }
        // The genotype exercise hides the hints: the names must not give its answers away.
        if (f.show_hint_global && s.show_hint) i.genotype = genotype_lisible(s.hint);
        i.actif = s.enabled;
        famille.push_back(std::move(i));
    }
    std::sort(famille.begin(), famille.end(), [](const auto& x, const auto& y) {
        return std::pair(x.generation, x.rang) < std::pair(y.generation, y.rang);
    });
    decrit_relations(a, famille);
    return famille;
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
