#include "history/journal.h"

#include <algorithm>

#include "ground/generateur.h"
#include "ground/plateforme.h"

namespace orvan {

void Journal::stock_ev(const Evenement& e) {
    if (rejeu_en_cours) return;
    lignes_->push_back(ecrit_evenement(e));
    if (apres_ajout) apres_ajout();
}

void Journal::init_evenement(int n) {
    auto& l = *lignes_;
    if (n <= 0)
        l.clear();
    else if (static_cast<std::size_t>(n) < l.size())
        l.resize(static_cast<std::size_t>(n));
    alea_.init_alea(plateforme_.heure_utc());
    const std::string graine = ecrit_evenement(ev::Graine{alea_.graine_alea});
    if (l.empty())
        l.push_back(graine);
    else
        l[0] = graine;
    if (apres_remplacement) apres_remplacement();
}

namespace {

// The seed row is read first: a line that sets the seed gives it as its first event.
bool commence_par_la_graine(const std::string& ligne) {
    const auto e = lit_evenements(ligne);
    return !e.empty() && std::holds_alternative<ev::Graine>(e[0]);
}

bool choix_du_mode(const std::string& ligne) {
    return ligne_est<ev::UnGene>(ligne) || ligne_est<ev::DeuxGenes>(ligne);
}

} // namespace

bool Journal::commence_par_mise_en_place() const {
    const auto& l = *lignes_;
    return l.size() >= 2 && commence_par_la_graine(l[0]) && choix_du_mode(l[1]);
}

// What the start-up writes before any family: the seed, the mode, the first gene chosen and its
// confirmation ("aleat=…", "bitbtn4click", "group_premclick.0", "bitbtn1click").
constexpr int lignes_du_demarrage = 4;

bool Journal::contient_mise_en_place(std::size_t fin) const {
    const auto& l = *lignes_;
    for (std::size_t i = 0; i + 1 < std::min(fin, l.size()); ++i)
        if (choix_du_mode(l[i + 1]) && commence_par_la_graine(l[i])) return true;
    return false;
}

// The family begins with its first click on an individual; the teacher's own choice of genes
// comes after the one the start-up makes, so the last confirmation before that click is the one
// that counts.
int Journal::fin_mise_en_place() const {
    const auto& l = *lignes_;
    std::size_t debut_famille = 0;
    while (debut_famille < l.size() && !ligne_contient<ev::ChoixIndividu>(l[debut_famille]))
        ++debut_famille;
    for (std::size_t i = debut_famille; i-- > 0;)
        if (ligne_est<ev::GenesConfirmes>(l[i])) return static_cast<int>(i) + 1;
    return lignes_du_demarrage;
}

} // namespace orvan
