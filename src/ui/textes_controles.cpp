#include "ui/textes_controles.h"

namespace orvan {

namespace {

std::vector<std::string>* items_de(Controle& c) {
    if (auto* radio = dynamic_cast<RadioGroupe*>(&c)) return &radio->items;
    if (auto* liste = dynamic_cast<Combo*>(&c)) return &liste->items;
    if (auto* image = dynamic_cast<Image*>(&c)) return &image->textes;
    return nullptr;
}

void ecrit_caption(Controle& c, const std::string& texte) {
    if (auto* label = dynamic_cast<Label*>(&c))
        label->set_caption(texte);
    else
        c.caption = texte;
}

} // namespace

void ecrit(Controle& c, const Texte& t, Langue l) {
    Texte garde = t; // t may be the control's own, which a label's new caption forgets
    ecrit_caption(c, garde.dans(l));
    c.texte = std::move(garde);
}

void ecrit_items(Controle& c, std::vector<Texte> items, Langue l) {
    std::vector<std::string>* cible = items_de(c);
    if (!cible) return;
    cible->clear();
    for (const Texte& t : items)
        cible->push_back(t.dans(l));
    c.textes_items = std::move(items);
}

void ecrit_bulle(Controle& c, const Texte& t, Langue l) {
    c.hint = t.dans(l);
    c.texte_bulle = t;
}

void ecrit_titre(Fiche& fenetre, const Texte& t, Langue l) {
    fenetre.caption = t.dans(l);
    fenetre.texte = t;
}

void traduit(Fiche& fenetre, Langue l) {
    if (fenetre.texte) fenetre.caption = fenetre.texte->dans(l);
    for (const auto& c : fenetre.composants()) {
        if (c->texte) ecrit(*c, *c->texte, l);
        if (c->texte_bulle) c->hint = c->texte_bulle->dans(l);
        std::vector<std::string>* items = items_de(*c);
        // Items that the program changed since, one by one, are left as they are.
        if (!items || c->textes_items.size() != items->size()) continue;
        for (std::size_t i = 0; i < items->size(); ++i)
            (*items)[i] = c->textes_items[i].dans(l);
    }
}

} // namespace orvan
