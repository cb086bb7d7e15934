#include "qt/habillage.h"

#include "app/fenetre_principale.h"
#include "qt/dessin_famille.h"

#include <QVariant>
#include <QWidget>

namespace orvan {

namespace {

constexpr const char* propriete = "orvan_habillage";

} // namespace

Motif Habillage::motif(const Controle& c) const {
    return motif_du_controle(f_, c, f_.menus.motifs->checked);
}

void Habillage::attache(QWidget& fenetre) const {
    fenetre.setProperty(propriete, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
}

void Habillage::detache(QWidget& fenetre) {
    fenetre.setProperty(propriete, QVariant());
}

const Habillage* Habillage::de(const QWidget& w) {
    const QWidget* fenetre = w.window();
    if (!fenetre) return nullptr;
    const QVariant v = fenetre->property(propriete);
    return v.isValid() ? reinterpret_cast<const Habillage*>(v.value<quintptr>()) : nullptr;
}

} // namespace orvan
