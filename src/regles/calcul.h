// The pocket calculator's arithmetic: reading the display, one operation, writing a result.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvan {

// A result this large or larger would not fit the display in fixed notation.
constexpr double plus_grand_resultat = 1e15;

// The display read as a number: leading blanks, an optional sign, digits with at most one ".",
// and nothing else. Empty, malformed or beyond the range of a double: nullopt.
std::optional<double> lit_affichage(std::string_view texte);

enum class Ecueil { aucun, division_par_zero, depassement };

struct Resultat {
    double valeur = 0;
    Ecueil ecueil = Ecueil::aucun;
};

// premier (operation) second, for "+", "-", "x" and ":". With no operation to do ("=" or 0),
// the result is the number just read, second.
Resultat calcule(char operation, double premier, double second);

// Decimals shown: the fewest of 0..3 that write r exactly, else 4.
int decimales_resultat(double r);
// r in fixed notation with those decimals, rounded half away from zero.
std::string formate_resultat(double r);

} // namespace orvan
