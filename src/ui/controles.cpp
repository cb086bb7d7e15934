#include "ui/controles.h"

#include <algorithm>

namespace orvan {

bool Controle::affiche() const {
    for (const Controle* c = this; c; c = c->parent)
        if (!c->visible) return false;
    return true;
}

void Controle::clic() const {
    if (enabled && on_click) on_click();
}

void Label::set_caption(std::string texte) {
    caption = std::move(texte);
    this->texte.reset();
    remesure();
}

void Label::remesure() {
    if (!autosize) return;
    const Taille t = mesure->mesure(caption, police);
    width = t.largeur;
    height = t.hauteur;
}

void RadioGroupe::selectionne(int i) {
    i = std::clamp(i, -1, static_cast<int>(items.size()) - 1);
    if (i == index) return;
    index = i;
    if (i >= 0 && on_click) on_click();
}

void RadioGroupe::vide() {
    items.clear();
    inactifs.clear();
    caches.clear();
    textes_items.clear();
    textes_lus.clear();
    index = -1;
}

const std::string& RadioGroupe::texte_lu(int i) const {
    const auto k = static_cast<std::size_t>(i);
    return k < textes_lus.size() && !textes_lus[k].empty() ? textes_lus[k] : items.at(k);
}

bool RadioGroupe::item_actif(int i) const {
    return i < 0 || static_cast<std::size_t>(i) >= inactifs.size() || !inactifs[i];
}

bool RadioGroupe::item_montre(int i) const {
    return i < 0 || static_cast<std::size_t>(i) >= caches.size() || !caches[i];
}

int RadioGroupe::nb_montres() const {
    int n = 0;
    for (std::size_t i = 0; i < items.size(); ++i)
        n += item_montre(static_cast<int>(i));
    return n;
}

const std::string& RadioGroupe::texte_choisi() const {
    static const std::string vide;
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : vide;
}

void CaseACocher::coche(bool valeur) {
    if (valeur == checked) return;
    checked = valeur;
    if (on_click) on_click();
}

void Combo::choix_utilisateur(int i) {
    if (i < 0 || i >= static_cast<int>(items.size()) || i == index) return;
    index = i;
    if (on_change) on_change();
}

} // namespace orvan
