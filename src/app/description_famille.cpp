#include "app/description_famille.h"

#include "app/fenetre_principale.h"
#include "ground/messages.h"
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

Texte genotype_lisible(const std::string& bulle) {
    const auto barres = bulle.find("//");
    if (barres == std::string::npos) return Texte::tel_quel(bulle);
    const std::string g1 = bulle.substr(0, barres);
    const std::string g2 = bulle.substr(barres + 2);
    if (g2.empty() || g2 == ",") return Texte::tel_quel(g1);
    return msg::a_et_b.avec({Texte::tel_quel(g1), Texte::tel_quel(g2)});
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

std::string numeros(const std::vector<int>& ks, const std::vector<IndividuDecrit>& famille,
                    Langue langue) {
    std::string texte;
    for (std::size_t n = 0; n < ks.size(); ++n) {
        const IndividuDecrit* i = trouve(famille, ks[n]);
        if (!i) continue;
        if (!texte.empty()) texte += n + 1 == ks.size() ? msg::et.dans(langue) : ", ";
        texte += i->numero;
    }
    return texte;
}

} // namespace

std::vector<IndividuDecrit> decrit_famille(const FenetrePrincipale& f) {
    const Famille& famille = f.famille;
    // The bank's own names, whatever language the lists show them in.
    const std::array<std::string, 2> genes = {
        f.genes.nom_choisi(*f.genes.premier_gene),
        f.genes.modele.nb_genes == 2 ? f.genes.nom_choisi(*f.genes.second_gene) : std::string()};
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
            const Texte mot = qualificatif_du_phenotype(genes[g], noms[g], i.femme);
            if (mot.francais.empty()) continue;
            i.qualificatif = i.qualificatif.francais.empty() ? mot : i.qualificatif + ", " + mot;
        }
        // The genotype exercise hides the hints: the names must not give its answers away.
        const bool bulles =
            f.show_hint_global && f.arbre.tab_shape[static_cast<std::size_t>(k)]->show_hint;
        if (bulles) i.genotype = genotype_lisible(ind.bulle());
        // What the text under the symbol says, in both languages.
        const Label* proba = f.probabilites.textes[static_cast<std::size_t>(k)];
        if (f.probabilites.montrees && proba && proba->visible && proba->texte)
            i.probabilite = *proba->texte;
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

const Texte& nom_du_sexe(const IndividuDecrit& i) {
    return i.femme ? msg::femme : msg::homme;
}

std::string nom_accessible(const IndividuDecrit& i, Langue langue) {
    std::string nom = i.numero + ", " + nom_du_sexe(i).dans(langue);
    if (!i.phenotype.empty()) nom += ", " + i.phenotype;
    if (!i.qualificatif.francais.empty()) nom += ", " + i.qualificatif.dans(langue);
    if (!i.genotype.francais.empty())
        nom += ", " + msg::genotype_de.avec({i.genotype}).dans(langue);
    if (!i.probabilite.francais.empty()) nom += ", " + i.probabilite.dans(langue);
    return nom;
}

std::string description_accessible(const IndividuDecrit& i,
                                   const std::vector<IndividuDecrit>& famille, Langue langue) {
    std::vector<std::string> parties;
    const auto partie = [&](const Texte& modele, const std::string& qui) {
        if (!qui.empty()) parties.push_back(modele.avec({Texte::tel_quel(qui)}).dans(langue));
    };
    partie(i.femme ? msg::fille_de : msg::fils_de, numeros(i.parents, famille, langue));
    partie(i.femme ? msg::epouse_de : msg::epoux_de, numeros(i.conjoints, famille, langue));
    partie(msg::parent_de, numeros(i.enfants, famille, langue));
    std::string texte;
    for (const std::string& p : parties)
        texte += (texte.empty() ? "" : " ; ") + p;
    return texte;
}

Texte qualificatif_du_phenotype(const std::string& nom_du_gene, const std::string& phenotype,
                                bool femme) {
    const auto espace = nom_du_gene.rfind(' ');
    if (phenotype.empty() || espace == std::string::npos) return {};
    if (nom_du_gene.substr(espace + 1) != phenotype) return {};
    const std::string maladie = nom_du_gene.substr(0, espace);
    struct Adjectif {
        const char* maladie;
        Texte homme, femme;
    };
    static const std::array<Adjectif, 2> adjectifs = {{
        {"Daltonisme", {"daltonien", "colour-blind"}, {"daltonienne", "colour-blind"}},
        {"Hémophilie", {"hémophile", "haemophiliac"}, {"hémophile", "haemophiliac"}},
    }};
    for (const Adjectif& a : adjectifs)
        if (maladie == a.maladie) return femme ? a.femme : a.homme;
    Texte nom = msg::texte_de_la_banque(maladie);
    for (std::string* t : {&nom.francais, &nom.anglais})
        if (!t->empty() && (*t)[0] >= 'A' && (*t)[0] <= 'Z')
            (*t)[0] = static_cast<char>((*t)[0] - 'A' + 'a');
    return (femme ? msg::atteinte_de : msg::atteint_de).avec({nom});
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
