#include "ui/fiche.h"

namespace orvan {

Controle* Fiche::trouve(const std::string& nom) const {
    for (const auto& c : composants_)
        if (c->nom == nom) return c.get();
    return nullptr;
}

} // namespace orvan
