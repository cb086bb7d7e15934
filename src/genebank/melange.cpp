#include "genebank/melange.h"

#include <numeric>
#include <utility>

namespace orvan {

void melange_enonces(TextesEnonces& relations, TextesEnonces& etats, int n, const Tirage& tirage) {
    // The exchanges move places only and the texts move once at the end: a long log confirms
    // its genes thousands of times.
    std::array<std::size_t, max_relations + 1> origine{};
    std::iota(origine.begin(), origine.end(), std::size_t{0});
    const auto nb = static_cast<std::uint32_t>(n);
    for (int passe = 0; passe < 500; ++passe) {
        const auto a = 1 + tirage(nb);
        const auto b = 1 + tirage(nb);
        std::swap(origine[a], origine[b]);
    }
    TextesEnonces r, e;
    for (std::size_t i = 0; i < origine.size(); ++i) {
        r[i] = std::move(relations[origine[i]]);
        e[i] = std::move(etats[origine[i]]);
    }
    relations = std::move(r);
    etats = std::move(e);
}

} // namespace orvan
