#include "app/probabilites_json.h"

#include "app/famille_vue_fenetre.h"
#include "app/fenetre_principale.h"
#include "app/vidage.h"
#include "probabilites/frequences.h"
#include "probabilites/textes_probabilites.h"

#include <ostream>

namespace orvan {

using json = nlohmann::ordered_json;

ProbabilitesDeLaFamille probabilites_de_la_famille(const FenetrePrincipale& f, APriori a_priori) {
    ProbabilitesDeLaFamille p{famille_vue(f), {}, {}};
    LoiEnfantProgramme lois;
    MoteurProbabilites moteur(p.famille, {a_priori, frequences_par_defaut()}, lois);
    p.resultat = moteur.calcule();
    for (std::size_t g = 0; g < p.famille.genes.size(); ++g)
        p.espaces.push_back(moteur.espace(g));
    return p;
}

json probabilites_individu(const ProbabilitesDeLaFamille& p, int n) {
    json r = json::object();
    for (const ProbabilitesIndividu& ind : p.resultat.individus) {
        if (ind.numero != n) continue;
        for (std::size_t g = 0; g < ind.genes.size(); ++g) {
            json genotypes = json::object();
            for (const ProbabiliteGenotype& x : ind.genes[g])
                genotypes[x.genotype] = fraction(x.probabilite);
            r[p.famille.genes[g].nom] = genotypes;
        }
    }
    return r;
}

namespace {

json en_json(const ProbabilitesDeLaFamille& p, APriori a_priori, Langue langue) {
    json genes = json::array();
    for (const GeneVu& g : p.famille.genes)
        genes.push_back(g.nom);
    json r = {{"a_priori", a_priori == APriori::programme ? "programme" : "population"},
              {"genes", genes}};
    if (const auto& c = p.resultat.contradiction) {
        r["contradiction"] = {
            {"n", c->numero},
            {"message", message_contradiction(*c, std::to_string(c->numero)).dans(langue)}};
        return r;
    }
    json individus = json::array();
    for (const ProbabilitesIndividu& ind : p.resultat.individus) {
        json porteur = json::object();
        for (std::size_t g = 0; g < ind.genes.size(); ++g)
            porteur[p.famille.genes[g].nom] =
                fraction(probabilite_porteur(p.espaces[g], ind.genes[g]));
        individus.push_back({{"n", ind.numero},
                             {"genotypes", probabilites_individu(p, ind.numero)},
                             {"porteur", porteur}});
    }
    r["individus"] = individus;
    return r;
}

} // namespace

int vidage_probabilites(const std::string& fichier, APriori a_priori, std::ostream& sortie,
                        std::ostream& erreurs, Langue messages) {
    return avec_la_famille_du_fichier(fichier, erreurs, messages, [&](FenetrePrincipale& f) {
        const ProbabilitesDeLaFamille p = probabilites_de_la_famille(f, a_priori);
        sortie << en_json(p, a_priori, messages).dump(2, ' ', false, json::error_handler_t::replace)
               << '\n';
        if (!p.resultat.contradiction) return 0;
        erreurs << message_contradiction(*p.resultat.contradiction,
                                         std::to_string(p.resultat.contradiction->numero))
                       .dans(messages)
                << '\n';
        return 1;
    });
}

} // namespace orvan
