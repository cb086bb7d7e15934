#include "app/fenetre_principale.h"

#include "history/rejeu.h"
#include "ui/boutons.h"
#include "ui/geometrie.h"

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
}

void Historique::rejoue_journal() {
    f.visible = false;
    f.journal.rejeu_en_cours = true;
    const auto& lignes = f.journal.lignes();
    const std::size_t nb = lignes.size();
    for (std::size_t i = 0; i < nb && i < lignes.size(); ++i)
        rejoue_ligne(f, lignes[i]);
    f.couleurs.recolore();
    f.journal.rejeu_en_cours = false;
    f.visible = true;
}

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
    rejoue_journal();
}

void Historique::montre() {
    panneau->visible = true;
}

void Historique::ferme() {
    panneau->visible = false;
}

} // namespace orvan
