// Where each individual of the pedigree stands in the scene: generations in rows, each one's
// texts in a column of its own as wide as the widest of them, spouses to the right of their
// partner, each sibship under its couple and the sibships of neighbouring couples side by
// side. The family is a tree (a spouse is always new): each individual's descendants stand in
// a block of columns of their own, under it and its spouses, which no other block enters. The
// model's logged positions only say who is shown; of what the log moved, only each sibship's
// total shift counts, and the sibships beside it give way, so no two columns ever overlap.
#pragma once

#include "famille/famille.h"

#include <array>
#include <vector>

namespace orvan {

struct Colonne {
    int generation = 0; // the row, 1 for the founders; 0 when the individual is not shown
    double gauche = 0, largeur = 0;
    double centre() const { return gauche + largeur / 2; }
    double droite() const { return gauche + largeur; }
};

// A couple of the picture and its sibship, as the lines join them.
struct CoupleScene {
    int gauche = 0, droite = 0; // the partners, left one first
    std::vector<int> enfants;   // shown, from the left
    // Where the line down to the sibship leaves the couple's line: between two columns.
    double descente = 0;
    // 0: the couple's line joins the two symbols at mid-height. A second spouse and those after
    // it stand further right, past the first: their line leaves the top of the partner's symbol
    // (the further left, the higher its level), runs over the row at level `detour` (1 the
    // lowest) and comes down on the spouse's symbol.
    int detour = 0;
    int depart = 0; // rank of the line among those that leave the same symbol over the row
};

struct Disposition {
    std::array<Colonne, max_individus + 1> colonnes{};
    std::vector<CoupleScene> couples;
    double largeur = 0;       // from 0, the leftmost column's edge
    std::vector<int> detours; // per row, the highest level of the lines over it
    int rangees = 0;          // the lowest row
};

// Per union of the family, how far its sibship was slid sideways in all.
using DecalagesFratries = std::array<double, max_unions + 1>;

// largeurs: each individual's column width (its widest text or its symbol, with its margins).
Disposition dispose(const Famille& famille, const std::array<double, max_individus + 1>& largeurs,
                    const DecalagesFratries& decalages = {});

} // namespace orvan
