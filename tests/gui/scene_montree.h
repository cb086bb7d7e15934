// The family as the window's view shows it: where the picture has an individual's symbol, text
// or a line, in the view's viewport, at the view's zoom.
#pragma once

#include "qt/session_qt.h"
#include "qt/vue_scene.h"

#include <QRect>

#include <optional>

inline orvan::VueScene& vue_famille(orvan::SessionQt& s) {
    return s.famille.vue();
}

inline std::optional<QRectF> symbole_montre(orvan::SessionQt& s, int k) {
    for (const orvan::SymboleScene& x : vue_famille(s).scene().symboles)
        if (x.individu == k) return vue_famille(s).vers_ecran(x.boite);
    return std::nullopt;
}

inline std::optional<QRectF> texte_montre(orvan::SessionQt& s, int k, orvan::RoleTexte role) {
    for (const orvan::TexteScene& t : vue_famille(s).scene().textes)
        if (t.individu == k && t.role == role) return vue_famille(s).vers_ecran(t.boite);
    return std::nullopt;
}

// The line down from union u's couple, or its sibship's line.
inline std::optional<orvan::TraitScene> trait_montre(orvan::SessionQt& s, orvan::RoleTrait role,
                                                     int u) {
    for (const orvan::TraitScene& t : vue_famille(s).scene().traits)
        if (t.role == role && t.union_famille == u) return t;
    return std::nullopt;
}

// A point of that line where the view shows it, `depuis_le_debut` units along it from its start
// (away from the middle of a sibship's line, where the line down to it takes the click).
inline QPoint sur_le_trait(orvan::SessionQt& s, const orvan::TraitScene& t,
                           double depuis_le_debut = 10) {
    const orvan::Boite b = t.y1 == t.y2
                               ? orvan::Boite{std::min(t.x1, t.x2) + depuis_le_debut, t.y1, 0, 0}
                               : orvan::Boite{t.x1, std::min(t.y1, t.y2) + depuis_le_debut, 0, 0};
    return vue_famille(s).vers_ecran(b).center().toPoint();
}
