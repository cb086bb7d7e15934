// The patterns of the phenotypes, for pupils who cannot tell the colours apart: with the option
// "Motifs" each phenotype is drawn with its own hatching besides its colour.
#pragma once

#include <string>
#include <vector>

namespace orvan {

enum class Motif {
    aucun,
    obliques,
    contre_obliques,
    horizontales,
    verticales,
    croisillons,
    quadrillage,
    points,
    anneau,
    moitie,
    tirets
};

// Legend entry i (1..10) has a pattern of its own: two phenotypes never share one, whether of
// one gene or of two. Outside 1..10: none.
Motif motif_de_l_entree(int i);

// The legend entry whose colour and pattern an individual's symbol takes (its gene-1
// phenotype) and its label's background (gene 2), from the phenotype it shows ("[A,Rh+]"): a
// later entry wins. noms holds the names of entries 1, 2, ...; 0 when no entry matches.
int entree_du_symbole(const std::string& affiche, const std::vector<std::string>& noms);
int entree_du_fond(const std::string& affiche, const std::vector<std::string>& noms);

} // namespace orvan
