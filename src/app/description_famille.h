// The family as words: each individual shown, with its number in the lessons' numbering, its
// sex, what its label and colour say, its genotype when the hints are on, and its relatives.
// The screen reader's names, the keyboard's moves and the family's table all read this.
#pragma once

#include "ground/textes.h"

#include <string>
#include <vector>

namespace orvan {

class FenetrePrincipale;

struct IndividuDecrit {
    int k = 0;
    bool femme = false;
    int generation = 0;       // 1..3
    int rang = 0;             // 1.. from the left in its generation
    std::string numero;       // "II-3"
    std::string phenotype;    // the label's text, "[d]"
    Texte qualificatif;       // what the phenotype means, "daltonienne"; often empty
    Texte genotype;           // "Xd,Xd" when the hints are on, else empty
    Texte probabilite;        // "porteuse : 2/3 (67 %)" when the probabilities show one
    bool actif = true;        // takes a click
    std::vector<int> parents; // first parent first
    std::vector<int> conjoints;
    std::vector<int> enfants; // in their numbers' order
    // The union whose sibship holds it, and the first union it is a partner of; -1: none.
    int fratrie = -1;
    int union_conjoint = -1;
};

// The individuals shown, in reading order: generation by generation, from the left.
std::vector<IndividuDecrit> decrit_famille(const FenetrePrincipale& f);
const IndividuDecrit* trouve(const std::vector<IndividuDecrit>& famille, int k);

// "II-3, femme, [d], daltonienne", ", génotype Xd,Xd" when the hints are on, and
// ", porteuse : 2/3 (67 %)" when the probabilities are shown.
std::string nom_accessible(const IndividuDecrit& i, Langue langue);
// Its relatives by their numbers: "fils de I-1 et I-2 ; époux de II-4 ; parent de III-1".
std::string description_accessible(const IndividuDecrit& i,
                                   const std::vector<IndividuDecrit>& famille, Langue langue);
// "femme" or "homme".
const Texte& nom_du_sexe(const IndividuDecrit& i);

// What a phenotype of a trait means in a word, for a woman or a man: the bank names a disease
// by the allele that causes it ("Daltonisme d"), and "[d]" then reads "daltonienne".
Texte qualificatif_du_phenotype(const std::string& nom_du_gene, const std::string& phenotype,
                                bool femme);

enum class Direction { haut, bas, gauche, droite };
// The individual an arrow key leads to from k: its first parent, its first child, its
// neighbour in the row; 0 when there is none.
int voisin(const std::vector<IndividuDecrit>& famille, int k, Direction d);

} // namespace orvan
