// A teacher's view of the class: one row per pupil's saved family, with what the pupil built
// and how the pupil answered the exercises, as a table the window, the command line, the CSV
// file and the print share.
#pragma once

#include "ground/textes.h"

#include <optional>
#include <string>
#include <vector>

namespace orvan {

// The genotype questions of a log: each question asked, and the marks of its last answer.
struct QuestionsGenotype {
    int posees = 0, justes = 0, fausses = 0;
    bool operator==(const QuestionsGenotype&) const = default;
};

QuestionsGenotype questions_du_journal(const std::vector<std::string>& lignes);

// Whether the pupil left the allele exercise's answers panel open: ticked or marked a statement
// since the panel last closed.
bool reponses_laissees_ouvertes(const std::vector<std::string>& lignes);

struct EleveReleve {
    std::string chemin;                 // the saved file
    std::string nom;                    // the file's name without ".gen": the pupil
    std::vector<std::string> genes;     // as the bank names them ("Daltonisme d")
    int individus = 0, generations = 0; // those shown
    // The allele exercise: the statements of the genes, those ticked, and the marks of the
    // last "OK" (none when it was never pressed).
    int enonces = 0, coches = 0, bien = 0, faux = 0;
    QuestionsGenotype questions;
    bool reponses_ouvertes = false;
    bool operator==(const EleveReleve&) const = default;
};

// The share of right answers, in percent: the statements marked "bien" and the questions
// answered right, over the statements marked and the questions asked (a question left without
// answer is not right). None when the pupil was marked on nothing.
std::optional<double> score(const EleveReleve& e);

// A cell of the table: its text, and the number it sorts by (none for a text).
struct CelluleClasse {
    Texte texte;
    std::optional<double> valeur;
};

std::vector<Texte> colonnes_classe();
std::vector<CelluleClasse> cellules_eleve(const EleveReleve& e);

// The table as the CSV file of the language: its header and one row per pupil.
std::string csv_de_la_classe(const std::vector<EleveReleve>& eleves, Langue langue);

// The table as text in columns, for the command line.
std::string texte_de_la_classe(const std::vector<EleveReleve>& eleves, Langue langue);

} // namespace orvan
