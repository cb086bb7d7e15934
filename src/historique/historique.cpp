#include "historique/historique.h"

#include "ground/messages.h"
#include "ground/progression.h"
#include "history/actions.h"
#include "history/journal.h"
#include "history/rejeu.h"
#include "ui/boutons.h"
#include "ui/fiche.h"
#include "ui/geometrie.h"

#include <algorithm>

namespace orvan {

void Historique::cree_controles() {
    panneau = &place(f.cree<Groupe>(nullptr, "GroupBox1"), 452, 40, 236, 262);
    panneau->caption = "Historique";
    panneau->tag = 1;
    panneau->visible = false;
    evenements = &place(f.cree<Liste>(panneau, "evenements"), 8, 18, 220, 204);
    evenements->police = {9, true};
    lancer = &cree_bouton(f, panneau, "BitBtn12", "lancer", {8, 228, 80});
    lancer->tag = 3;
    annuler = &cree_bouton(f, panneau, "ret_arr", "<---", {94, 228, 80});
    fermer = &cree_bouton(f, panneau, "ferme_ev", "X", {180, 228, 48});
    lancer->on_click = [this] { rejoue_journal(); };
    annuler->on_click = [this] { annule_derniere_action(); };
    fermer->on_click = [this] { ferme(); };
    journal_.apres_ajout = [this] {
        actions_annulees.clear();
        actualise_edition();
        garde_copie();
    };
    journal_.apres_remplacement = [this] { journal_remplace(); };
}

void Historique::rejoue_journal() {
    {
        Progression p(plateforme_, msg::reconstruction_famille, journal_.lignes().size(), false);
        rejoue(p);
    }
    garde_copie();
}

bool Historique::rejoue(Progression& p) {
    f.visible = false;
    journal_.rejeu_en_cours = true;
    relais.avant_rejeu();
    const auto& lignes = journal_.lignes();
    const std::size_t nb = lignes.size();
    bool complet = true;
    std::vector<Evenement> lus;
    for (std::size_t i = 0; complet && i < nb && i < lignes.size(); ++i) {
        rejoue_ligne(lignes[i], lus, relais.rejoue_evenement);
        complet = p.avance();
    }
    relais.apres_rejeu();
    journal_.rejeu_en_cours = false;
    f.visible = true;
    actualise_edition();
    return complet;
}

// The log as it was rebuilds the family as it was: a log that begins with its set-up replays to
// the same family from any state.
bool Historique::rejoue_ou_revient(std::size_t etapes,
                                   const std::function<bool(Progression&)>& rejeux) {
    std::vector<std::string> avant;
    return rejoue_ou_revient(0, avant, etapes, rejeux);
}

bool Historique::rejoue_ou_revient(std::size_t debut, std::vector<std::string>& retirees,
                                   std::size_t etapes,
                                   const std::function<bool(Progression&)>& rejeux) {
    auto& lignes = journal_.lignes();
    const auto premiere = lignes.begin() + static_cast<std::ptrdiff_t>(debut);
    retirees.assign(std::make_move_iterator(premiere), std::make_move_iterator(lignes.end()));
    lignes.erase(premiere, lignes.end());
    {
        Progression p(plateforme_, msg::reconstruction_famille, etapes, true);
        if (rejeux(p)) return true;
    }
    lignes.resize(debut);
    lignes.insert(lignes.end(), std::make_move_iterator(retirees.begin()),
                  std::make_move_iterator(retirees.end()));
    Progression retour(plateforme_, msg::retour_famille, lignes.size(), false);
    rejoue(retour);
    return false;
}

void Historique::annule_action() {
    auto& lignes = journal_.lignes();
    const std::size_t debut = debut_derniere_action(lignes, premiere_ligne_d_action());
    if (debut >= lignes.size()) return;
    std::vector<std::string> action;
    if (!rejoue_ou_revient(debut, action, debut, [&](Progression& p) { return rejoue(p); })) return;
    actions_annulees.push_back(std::move(action));
    actualise_edition();
    garde_copie();
}

void Historique::retablit_action() {
    if (actions_annulees.empty()) return;
    auto& lignes = journal_.lignes();
    const auto& action = actions_annulees.back();
    std::vector<std::string> rien;
    const bool fait =
        rejoue_ou_revient(lignes.size(), rien, lignes.size() + action.size(), [&](Progression& p) {
            lignes.insert(lignes.end(), action.begin(), action.end());
            return rejoue(p);
        });
    if (!fait) return;
    actions_annulees.pop_back();
    actualise_edition();
    garde_copie();
}

// The gene set-up is no action of the pupil's: it stays.
std::size_t Historique::premiere_ligne_d_action() const {
    const auto n = static_cast<std::size_t>(std::max(0, journal_.fin_mise_en_place()));
    return std::min(n, journal_.lignes().size());
}

void Historique::actualise_edition() {
    const auto& lignes = journal_.lignes();
    relais.montre_edition(debut_derniere_action(lignes, premiere_ligne_d_action()) < lignes.size(),
                          !actions_annulees.empty());
}

namespace {

// The number of lines at the end of the log that hold an event E. A run repeats its lines
// (a drag writes the same shift again and again): a line equal to the one after it is not read
// again.
template <class E> std::size_t serie_finale(const std::vector<std::string>& lignes) {
    std::size_t n = 0;
    const std::string* lue = nullptr;
    while (n < lignes.size()) {
        const std::string& l = lignes[lignes.size() - 1 - n];
        if ((!lue || l != *lue) && !ligne_contient<E>(l)) break;
        lue = &l;
        ++n;
    }
    return n;
}

} // namespace

// A run of ticks of genotype boxes, or of shifts of sibships, is undone as one action.
template <class E> bool Historique::annule_serie() {
    auto& lignes = journal_.lignes();
    const std::size_t serie = serie_finale<E>(lignes);
    if (serie == 0) return false;
    const std::size_t n = lignes.size();
    std::vector<std::string> retirees;
    if (journal_.contient_mise_en_place(n - serie)) {
        // Each replay of the shorter log would go through the same reset: the last one alone
        // decides the family, so one is enough.
        rejoue_ou_revient(n - serie, retirees, n - serie,
                          [&](Progression& p) { return rejoue(p); });
        return true;
    }
    // Without it each replay starts from the family the one before left, and the run is undone
    // a line at a time: n-1, then n-2… lines replayed, each a step of the one progress.
    rejoue_ou_revient(n - serie, retirees, serie * n - serie * (serie + 1) / 2,
                      [&](Progression& p) {
                          for (std::size_t i = serie - 1; i > 0; --i) {
                              lignes.insert(lignes.end(), retirees.begin(),
                                            retirees.begin() + static_cast<std::ptrdiff_t>(i));
                              if (!rejoue(p)) return false;
                              lignes.resize(n - serie);
                          }
                          return rejoue(p);
                      });
    return true;
}

void Historique::annule_derniere_action() {
    auto& lignes = journal_.lignes();
    if (lignes.empty()) return;
    if (!annule_serie<ev::GenotypeCoche>() && !annule_serie<ev::DecalageFratrie>()) {
        // The rule of the gametes is named just before the confirmation whose crossing first
        // drew with it: it goes with that confirmation.
        std::size_t debut = lignes.size() - 1;
        if (debut > 0 && ligne_est<ev::RegleChromosomeSexuel>(lignes[debut - 1])) --debut;
        std::vector<std::string> retirees;
        rejoue_ou_revient(debut, retirees, debut, [&](Progression& p) { return rejoue(p); });
    }
    garde_copie();
}

void Historique::montre() {
    panneau->visible = true;
}

void Historique::ferme() {
    panneau->visible = false;
}

} // namespace orvan
