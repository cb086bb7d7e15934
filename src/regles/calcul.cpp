#include "regles/calcul.h"

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <locale>
#include <sstream>

namespace orvan {

namespace {

bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one point, and at least one digit.
bool forme_decimale(std::string_view texte) {
    int points = 0, chiffres = 0;
    for (const char c : texte) {
        if (c == '.')
            ++points;
        else if (chiffre(c))
            ++chiffres;
        else
            return false;
    }
    return points <= 1 && chiffres > 0;
}

bool entier(double v) {
    return v == std::trunc(v);
}

// r is n/32 with n odd: its fifth decimal is a 5 and nothing follows, the one case where the
// rounding of the fourth decimal is a tie.
bool egalite_a_la_cinquieme(double r) {
    return !entier(std::ldexp(r, 4)) && entier(std::ldexp(r, 5));
}

// The tie rounded away from zero in whole numbers: |r| x 32 is odd and below 2^53, so
// |r| x 10^4 = that x 625 / 2 is exact in 64 bits.
std::string formate_egalite(double r) {
    const auto trente_deuxiemes = static_cast<std::uint64_t>(std::ldexp(std::fabs(r), 5));
    const std::uint64_t dix_milliemes = (trente_deuxiemes * 625 + 1) / 2;
    std::string decimales = std::to_string(dix_milliemes % 10000);
    decimales.insert(0, 4 - decimales.size(), '0');
    return (r < 0 ? "-" : "") + std::to_string(dix_milliemes / 10000) + "." + decimales;
}

} // namespace

std::optional<double> lit_affichage(std::string_view texte) {
    std::size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) return std::nullopt;
    const bool negatif = texte[debut] == '-';
    if (negatif || texte[debut] == '+') ++debut;
    const std::string_view nombre = texte.substr(debut);
    if (!forme_decimale(nombre)) return std::nullopt;
    // A stream in the classic locale, not from_chars: the web build's standard library reads no
    // floating-point number with it. A value too large fails; one too small to be told from 0 is
    // refused here.
    std::istringstream flux{std::string(nombre)};
    flux.imbue(std::locale::classic());
    double v = 0;
    flux >> v;
    if (flux.fail() || flux.peek() != std::char_traits<char>::eof()) return std::nullopt;
    if (v == 0 && nombre.find_first_of("123456789") != std::string_view::npos) return std::nullopt;
    return negatif ? -v : v;
}

Resultat calcule(char operation, double premier, double second) {
    double r = second;
    switch (operation) {
    case '+':
        r = premier + second;
        break;
    case '-':
        r = premier - second;
        break;
    case 'x':
        r = premier * second;
        break;
    case ':':
        if (second == 0) return {0, Ecueil::division_par_zero};
        r = premier / second;
        break;
    default:
        break;
    }
    if (!(std::fabs(r) < plus_grand_resultat)) return {0, Ecueil::depassement};
    return {r, Ecueil::aucun};
}

// r x 10^k is whole exactly when r x 2^k is, since 5^k is odd; scaling by 2^k is exact.
int decimales_resultat(double r) {
    for (int k = 0; k <= 3; ++k)
        if (entier(std::ldexp(r, k))) return k;
    return 4;
}

std::string formate_resultat(double r) {
    if (r == 0) r = 0; // no "-0"
    const int d = decimales_resultat(r);
    // Below four decimals the value is written exactly; at four, a tie is the only case where
    // the nearest value is not the one away from zero.
    if (d == 4 && egalite_a_la_cinquieme(r)) return formate_egalite(r);
    std::ostringstream sortie;
    sortie.imbue(std::locale::classic());
    sortie << std::fixed << std::setprecision(d) << r;
    return sortie.str();
}

} // namespace orvan
