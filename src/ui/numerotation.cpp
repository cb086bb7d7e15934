#include "ui/numerotation.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace orvan {

namespace {

int generation(int top, const std::array<int, 3>& rangees) {
    int meilleure = 0;
    for (int g = 1; g < 3; ++g)
        if (std::abs(std::int64_t{top} - rangees[g]) <
            std::abs(std::int64_t{top} - rangees[meilleure]))
            meilleure = g;
    return meilleure + 1;
}

} // namespace

std::vector<NumeroIndividu> numerote(const std::vector<PlaceIndividu>& places,
                                     const std::array<int, 3>& rangees) {
    std::vector<NumeroIndividu> numeros(places.size());
    std::vector<std::size_t> ordre(places.size());
    std::iota(ordre.begin(), ordre.end(), std::size_t{0});
    std::sort(ordre.begin(), ordre.end(), [&places](std::size_t a, std::size_t b) {
        if (places[a].left != places[b].left) return places[a].left < places[b].left;
        return places[a].k < places[b].k;
    });
    std::array<int, 3> compte{};
    for (std::size_t i : ordre) {
        const int g = generation(places[i].top, rangees);
        numeros[i] = {places[i].k, g, ++compte[static_cast<std::size_t>(g - 1)]};
    }
    return numeros;
}

std::string chiffre_romain(int n) {
    if (n < 1 || n > 3999) return {};
    static const std::pair<int, const char*> valeurs[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    std::string r;
    for (const auto& [v, s] : valeurs)
        for (; n >= v; n -= v)
            r += s;
    return r;
}

std::string numero_texte(const NumeroIndividu& n) {
    return chiffre_romain(n.generation) + "-" + std::to_string(n.rang);
}

} // namespace orvan
