#include "conseil/probabilites_affichees.h"

#include "ground/messages.h"
#include "probabilites/frequences.h"
#include "probabilites/textes_probabilites.h"
#include "ui/fiche.h"
#include "ui/textes_controles.h"

#include <algorithm>
#include <climits>
#include <map>

namespace orvan {

namespace {

constexpr int taille_point = 7;
constexpr Couleur noir = rgb(0, 0, 0);

const Texte& porteur(Sexe sexe) {
    return sexe == Sexe::femme ? msg::porteuse : msg::porteur;
}

// A text that would run into its left neighbour's goes one line lower, where there is room.
void ecarte(const std::array<Label*, max_individus + 1>& textes) {
    std::vector<Label*> montres;
    for (int k = 1; k <= max_individus; ++k)
        if (textes[static_cast<std::size_t>(k)]->visible)
            montres.push_back(textes[static_cast<std::size_t>(k)]);
    std::stable_sort(montres.begin(), montres.end(), [](const Label* a, const Label* b) {
        return a->top != b->top ? a->top < b->top : a->left < b->left;
    });
    // Per row, the right edge of its two lines.
    std::map<int, std::array<int, 2>> fins;
    for (Label* t : montres) {
        auto& fin =
            fins.try_emplace(t->top, std::array<int, 2>{INT_MIN / 2, INT_MIN / 2}).first->second;
        const int ligne = t->left >= fin[0] + 2 ? 0 : t->left >= fin[1] + 2 ? 1 : 0;
        fin[static_cast<std::size_t>(ligne)] = t->right();
        t->top += ligne * t->height;
    }
}

// A couple's line down to its children that runs through a text under one of the two: the
// text moves to its symbol's side of the line, where nothing crosses it.
void degage(Label& t, const Forme& symbole, const std::array<Panel*, max_unions + 1>& verticales) {
    for (const Panel* v : verticales) {
        if (!v || !v->affiche()) continue;
        const bool croise = t.left < v->right() && v->left < t.right() && t.top < v->bottom() &&
                            v->top < t.bottom();
        if (!croise) continue;
        if (symbole.left + symbole.width / 2 < v->left + v->width / 2)
            t.left = v->left - 2 - t.width;
        else
            t.left = v->right() + 2;
    }
}

} // namespace

void ProbabilitesAffichees::cree_controles(Fiche& f) {
    for (int k = 1; k <= max_individus; ++k) {
        Label& t = f.cree<Label>(nullptr, "proba" + std::to_string(k), plateforme_);
        t.visible = false;
        t.police.taille = 7;
        t.curseur = Curseur::normal;
        t.on_mouse_down = [this, k](Bouton, int, int) {
            if (clic_individu) clic_individu(k);
        };
        textes[static_cast<std::size_t>(k)] = &t;
        Forme& p = f.cree<Forme>(nullptr, "porteur" + std::to_string(k));
        p.visible = false;
        p.contour = Contour::cercle;
        p.remplissage = noir;
        p.width = p.height = taille_point;
        p.on_mouse_down = t.on_mouse_down;
        points[static_cast<std::size_t>(k)] = &p;
    }
}

void ProbabilitesAffichees::cache_tout() {
    for (int k = 1; k <= max_individus; ++k) {
        textes[static_cast<std::size_t>(k)]->visible = false;
        points[static_cast<std::size_t>(k)]->visible = false;
    }
}

void ProbabilitesAffichees::calcule(const FamilleVue& vue) {
    Calcul calcul{vue, a_priori, frequences};
    if (calculee_ == calcul) return;
    calculee_ = std::move(calcul);
    MoteurProbabilites moteur(vue, {a_priori, frequences}, lois_);
    resultat_ = moteur.calcule();
    espaces_.clear();
    for (std::size_t g = 0; g < vue.genes.size(); ++g)
        espaces_.push_back(moteur.espace(g));
    if (resultat_.contradiction)
        plateforme_.avertissement(message_contradiction(
            *resultat_.contradiction, std::to_string(resultat_.contradiction->numero)));
}

bool ProbabilitesAffichees::actualise(const FamilleVue& vue,
                                      const std::array<Forme*, max_individus + 2>& symboles,
                                      const std::array<Panel*, max_unions + 1>& verticales) {
    const std::string avant = apparence();
    place(vue, symboles, verticales);
    return apparence() != avant;
}

std::string ProbabilitesAffichees::apparence() const {
    std::string a;
    for (int k = 1; k <= max_individus; ++k) {
        const Label& t = *textes[static_cast<std::size_t>(k)];
        const Forme& p = *points[static_cast<std::size_t>(k)];
        if (t.visible)
            a += std::to_string(k) + t.caption + std::to_string(t.left) + "," +
                 std::to_string(t.top) + t.hint;
        if (p.visible) a += "." + std::to_string(p.left) + "," + std::to_string(p.top);
    }
    return a;
}

void ProbabilitesAffichees::place(const FamilleVue& vue,
                                  const std::array<Forme*, max_individus + 2>& symboles,
                                  const std::array<Panel*, max_unions + 1>& verticales) {
    cache_tout();
    if (!montrees || vue.individus.empty()) return;
    calcule(vue);
    if (resultat_.contradiction) return;
    for (std::size_t i = 0; i < resultat_.individus.size(); ++i) {
        const int k = vue.individus[i].numero;
        const Forme& symbole = *symboles[static_cast<std::size_t>(k)];
        montre_individu(k, resultat_.individus[i], vue.individus[i].sexe, symbole);
        degage(*textes[static_cast<std::size_t>(k)], symbole, verticales);
    }
    ecarte(textes);
}

// "porteuse : 2/3 (67 %)" under the symbol of who may be a carrier, one figure per gene; every
// genotype by its probability in the tooltip; the dot when the individual is a carrier for sure.
void ProbabilitesAffichees::montre_individu(int k, const ProbabilitesIndividu& p, Sexe sexe,
                                            const Forme& symbole) {
    Texte texte, bulle;
    bool certain = false, peut_etre = false;
    for (std::size_t g = 0; g < p.genes.size(); ++g) {
        const Rationnel porteur = probabilite_porteur(espaces_[g], p.genes[g]);
        texte = texte + (g == 0 ? "" : " | ") + fraction_et_pourcentage(porteur);
        certain = certain || porteur == 1;
        peut_etre = peut_etre || porteur > 0;
        std::vector<ProbabiliteGenotype> tries = p.genes[g];
        std::stable_sort(tries.begin(), tries.end(), [](const auto& a, const auto& b) {
            return a.probabilite > b.probabilite;
        });
        for (const ProbabiliteGenotype& x : tries)
            bulle = bulle + (bulle.francais.empty() ? "" : "\n") +
                    msg::probabilite_du_genotype.avec(
                        {Texte::tel_quel(x.genotype), fraction_et_pourcentage(x.probabilite)});
    }
    if (!peut_etre) return;
    Label& t = *textes[static_cast<std::size_t>(k)];
    const Langue langue = plateforme_.textes().langue();
    ecrit(t, porteur(sexe).avec({texte}), langue);
    ecrit_bulle(t, bulle, langue);
    t.left = symbole.left + symbole.width / 2 - t.width / 2;
    t.top = symbole.bottom() + 2;
    t.visible = symbole.visible;
    Forme& point = *points[static_cast<std::size_t>(k)];
    point.left = symbole.left + symbole.width / 2 - taille_point / 2;
    point.top = symbole.top + symbole.height - taille_point - 4;
    ecrit_bulle(point, bulle, langue);
    point.visible = certain && symbole.visible;
}

void ProbabilitesAffichees::montre_table_bayes(int k, const std::string& nom) {
    if (!calculee_) return;
    MoteurProbabilites moteur(calculee_->vue, {a_priori, frequences}, lois_);
    if (const auto c = moteur.calcule().contradiction) {
        plateforme_.avertissement(message_contradiction(*c, std::to_string(c->numero)));
        return;
    }
    for (std::size_t g = 0; g < calculee_->vue.genes.size(); ++g) {
        const auto table = moteur.table_bayes(k, static_cast<int>(g) + 1);
        if (table.empty()) continue;
        std::vector<std::vector<Texte>> cases = {{msg::genotype},
                                                 {msg::a_priori},
                                                 {msg::conditionnelle},
                                                 {msg::jointe},
                                                 {msg::a_posteriori}};
        for (const ColonneBayes& c : table) {
            cases[0].push_back(Texte::tel_quel(c.genotype));
            cases[1].push_back(Texte::tel_quel(fraction(c.a_priori)));
            cases[2].push_back(Texte::tel_quel(fraction(c.conditionnelle)));
            cases[3].push_back(Texte::tel_quel(fraction(c.jointe)));
            cases[4].push_back(fraction_et_pourcentage(c.a_posteriori));
        }
        const Texte gene = msg::texte_de_la_banque(calculee_->vue.genes[g].nom);
        plateforme_.tableau(msg::table_de_bayes.avec({Texte::tel_quel(nom), gene}), cases);
    }
}

} // namespace orvan
