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
std::vector<std::pair<const QObject*, const Habillage*>>& habillages() {
    static std::vector<std::pair<const QObject*, const Habillage*>> h;
    return h;
}

void oublie(const QObject* fenetre) {
    auto& h = habillages();
    h.erase(std::remove_if(h.begin(), h.end(), [&](const auto& e) { return e.first == fenetre; }),
            h.end());
}

} // namespace

Motif Habillage::motif(const Controle& c) const {
    return motif_du_controle(f_, c, f_.menus.motifs->checked);
}

void Habillage::attache(QWidget& fenetre) const {
    oublie(&fenetre);
    habillages().emplace_back(&fenetre, this);
    // A window that goes leaves no address behind for another to be taken for it.
    QObject::connect(&fenetre, &QObject::destroyed, [](QObject* o) { oublie(o); });
}

void Habillage::detache(QWidget& fenetre) {
    oublie(&fenetre);
}

const Habillage* Habillage::de(const QWidget& w) {
    const QObject* fenetre = w.window();
    for (const auto& [f, habillage] : habillages())
        if (f == fenetre) return habillage;
    return nullptr;
}

} // namespace orvan
