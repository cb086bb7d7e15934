#include "history/actions.h"

#include "history/evenement.h"

#include <algorithm>

namespace orvan {

namespace {

bool ouvre_un_panneau(const std::string& l) {
    return ligne_contient<ev::ChoixIndividu>(l);
}

// The lines a panel writes while it is open.
bool dans_un_panneau(const std::string& l) {
    const auto evenements = lit_evenements(l);
    return !evenements.empty() &&
           std::all_of(evenements.begin(), evenements.end(), [](const Evenement& e) {
               return std::holds_alternative<ev::ChoixPhenotype>(e) ||
                      std::holds_alternative<ev::NombreDescendants>(e) ||
                      std::holds_alternative<ev::GenotypeCoche>(e) ||
                      std::holds_alternative<ev::GenotypeChoisi>(e) ||
                      std::holds_alternative<ev::ChoixSexe>(e) ||
                      std::holds_alternative<ev::RegleChromosomeSexuel>(e) ||
                      std::holds_alternative<ev::RegleCouples>(e);
           });
}

bool ferme_un_panneau(const std::string& l) {
    return ligne_est<ev::PhenotypesConfirmes>(l) || ligne_est<ev::PhenotypesAnnules>(l) ||
           ligne_est<ev::GenotypesConfirmes>(l) || ligne_est<ev::AllelesAnnules>(l);
}

// The opening of the panel that the lines from `fin` back belong to, or `fin` when they are
// not a panel's.
std::size_t ouverture_du_panneau(const std::vector<std::string>& l, std::size_t premiere,
                                 std::size_t fin) {
    std::size_t i = fin;
    if (ferme_un_panneau(l[i])) {
        if (i == premiere) return fin;
        --i;
    }
    while (i > premiere && dans_un_panneau(l[i]))
        --i;
    return ouvre_un_panneau(l[i]) ? i : fin;
}

} // namespace

std::size_t debut_derniere_action(const std::vector<std::string>& l, std::size_t premiere) {
    if (l.size() <= premiere) return l.size();
    const std::size_t fin = l.size() - 1;
    const std::size_t panneau = ouverture_du_panneau(l, premiere, fin);
    if (panneau != fin || ouvre_un_panneau(l[fin])) return panneau;
    std::size_t i = fin;
    if (ligne_est<ev::DecalageFratrie>(l[fin]))
        while (i > premiere && ligne_est<ev::DecalageFratrie>(l[i - 1]))
            --i;
    return i;
}

} // namespace orvan
