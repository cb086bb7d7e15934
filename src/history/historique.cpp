#include "app/fenetre_principale.h"

#include "history/actions.h"
#include "history/rejeu.h"
#include "ui/boutons.h"
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
    f.journal.apres_ajout = [this] {
        actions_annulees.clear();
        actualise_edition();
    };
}

void Historique::rejoue_journal() {
    f.visible = false;
    f.journal.rejeu_en_cours = true;
    // A log that does not name the rule of its gametes was written before it had a choice.
    f.arbre.ped.regle_gametes = RegleGametes::melange_libre;
    const auto& lignes = f.journal.lignes();
    const std::size_t nb = lignes.size();
    for (std::size_t i = 0; i < nb && i < lignes.size(); ++i)
        rejoue_ligne(f, lignes[i]);
    f.couleurs.recolore();
    f.journal.rejeu_en_cours = false;
    f.visible = true;
    actualise_edition();
}

void Historique::annule_action() {
    auto& lignes = f.journal.lignes();
    const std::size_t debut = debut_derniere_action(lignes, premiere_ligne_d_action());
    if (debut >= lignes.size()) return;
    actions_annulees.emplace_back(lignes.begin() + static_cast<std::ptrdiff_t>(debut),
                                  lignes.end());
    lignes.resize(debut);
    rejoue_journal();
}

void Historique::retablit_action() {
    if (actions_annulees.empty()) return;
    auto& lignes = f.journal.lignes();
    lignes.insert(lignes.end(), actions_annulees.back().begin(), actions_annulees.back().end());
    actions_annulees.pop_back();
    rejoue_journal();
}

// The gene set-up is no action of the pupil's: it stays.
std::size_t Historique::premiere_ligne_d_action() const {
    const auto n = static_cast<std::size_t>(std::max(0, f.journal.fin_mise_en_place()));
    return std::min(n, f.journal.lignes().size());
}

void Historique::actualise_edition() {
    const auto& lignes = f.journal.lignes();
    f.menus.annuler_action->enabled =
        debut_derniere_action(lignes, premiere_ligne_d_action()) < lignes.size();
    f.menus.retablir_action->enabled = !actions_annulees.empty();
}

namespace {

// The rule of the gametes is named just before the confirmation whose crossing first drew with
// it: it goes with that confirmation.
void retire_regle_orpheline(std::vector<std::string>& lignes) {
    if (!lignes.empty() && ligne_est<ev::RegleChromosomeSexuel>(lignes.back())) lignes.pop_back();
}

} // namespace

// A run of ticks of genotype boxes, or of shifts of sibships, is undone as one action.
template <class E> bool Historique::annule_serie() {
    auto& lignes = f.journal.lignes();
    if (!ligne_contient<E>(lignes.back())) return false;
    if (f.journal.commence_par_mise_en_place()) {
        // Each replay of the shorter log would start from the same reset: the last one alone
        // decides the family, so one is enough.
        while (!lignes.empty() && ligne_contient<E>(lignes.back()))
            lignes.pop_back();
        rejoue_journal();
        return true;
    }
    do {
        lignes.pop_back();
        rejoue_journal();
    } while (!lignes.empty() && ligne_contient<E>(lignes.back()));
    return true;
}

void Historique::annule_derniere_action() {
    auto& lignes = f.journal.lignes();
    if (lignes.empty()) return;
    if (annule_serie<ev::GenotypeCoche>() || annule_serie<ev::DecalageFratrie>()) return;
    lignes.pop_back();
    retire_regle_orpheline(lignes);
    rejoue_journal();
}

void Historique::montre() {
    panneau->visible = true;
}

void Historique::ferme() {
    panneau->visible = false;
}

} // namespace orvan
