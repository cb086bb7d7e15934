#include "genebank/melange.h"

#include <utility>

namespace orvan {

void melange_enonces(TextesEnonces& relations, TextesEnonces& etats, int n, const Tirage& tirage) {
    const auto nb = static_cast<std::uint32_t>(n);
    for (int passe = 0; passe < 500; ++passe) {
        const auto a = 1 + tirage(nb);
        const auto b = 1 + tirage(nb);
        std::swap(relations[a], relations[b]);
        std::swap(etats[a], etats[b]);
    }
}

} // namespace orvan
