#include "qt/habillage.h"

#include "app/fenetre_principale.h"
#include "qt/dessin_famille.h"

#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace orvan {

namespace {

// The windows that have one; a widget asks at each pass of the mirror, so a property lookup by
// name (a search through the window's dynamic properties) was too slow.
std::vector<std::pair<const QWidget*, const Habillage*>>& habillages() {
    static std::vector<std::pair<const QWidget*, const Habillage*>> h;
    return h;
}

} // namespace

Motif Habillage::motif(const Controle& c) const {
    return motif_du_controle(f_, c, f_.menus.motifs->checked);
}

void Habillage::attache(QWidget& fenetre) const {
    detache(fenetre);
    habillages().emplace_back(&fenetre, this);
}

void Habillage::detache(QWidget& fenetre) {
    auto& h = habillages();
    h.erase(std::remove_if(h.begin(), h.end(), [&](const auto& e) { return e.first == &fenetre; }),
            h.end());
}

const Habillage* Habillage::de(const QWidget& w) {
    const QWidget* fenetre = w.window();
    for (const auto& [f, habillage] : habillages())
        if (f == fenetre) return habillage;
    return nullptr;
}

} // namespace orvan
