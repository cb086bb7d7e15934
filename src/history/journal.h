// The event log: one line per user action, the seed of the generator first.
#pragma once

#include "history/evenement.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvan {

class Plateforme;
struct Generateur;

class Journal {
  public:
    Journal(Generateur& alea, Plateforme& plateforme) : alea_(alea), plateforme_(plateforme) {}
    // The lines are those of the history list.
    void relie(std::vector<std::string>& lignes) { lignes_ = &lignes; }

    // Appends the event's line, except while a replay runs.
    void stock_ev(const Evenement& e);
    // Keeps the first n lines (none for n <= 0), seeds the generator from the clock and writes
    // the new seed as the first line.
    void init_evenement(int n);
    // The number of lines of the gene set-up: up to the last confirmation of the genes before
    // the family's first line.
    int fin_mise_en_place() const;
    // The log starts with its seed and a mode choice, whose reset makes every replay of it start
    // from the same state: replaying it twice gives what replaying it once gives.
    bool commence_par_mise_en_place() const;
    // A seed line followed by a mode choice stands among the first `fin` lines: whatever the
    // lines before it did, a replay of those lines ends in the same state.
    bool contient_mise_en_place(std::size_t fin) const;

    std::vector<std::string>& lignes() { return *lignes_; }
    const std::vector<std::string>& lignes() const { return *lignes_; }

    bool rejeu_en_cours = false;
    // Runs after a line of the user's is appended.
    std::function<void()> apres_ajout;
    // Runs after init_evenement has begun a new log.
    std::function<void()> apres_remplacement;

  private:
    Generateur& alea_;
    Plateforme& plateforme_;
    std::vector<std::string>* lignes_ = nullptr;
};

} // namespace orvan
