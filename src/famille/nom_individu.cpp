#include "famille/nom_individu.h"

#include "famille/famille.h"

namespace orvan {

namespace {

std::string chiffres_romains(int n) {
    static const char* const romains[] = {"", "I", "II", "III"};
    return n >= 1 && n <= 3 ? romains[n] : std::to_string(n);
}

} // namespace

std::string nom_individu(const Famille& famille, int k) {
    const int generation = famille.generation(k);
    const int rang = famille.place(k);
    if (generation == 0 || rang == 0) return std::to_string(k);
    return chiffres_romains(generation) + "-" + std::to_string(rang);
}

} // namespace orvan
