#include "web/controles_json.h"

#include "ground/texte.h"

#include <cstdio>
#include <map>
#include <vector>

namespace orvan {

namespace {

using json = nlohmann::ordered_json;

std::string css(Couleur c) {
    char t[8];
    std::snprintf(t, sizeof t, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return t;
}

const char* nom_du_genre(Genre g) {
    static const std::map<Genre, const char*> noms{
        {Genre::forme, "forme"},         {Genre::label, "label"},
        {Genre::panel, "panel"},         {Genre::groupe, "groupe"},
        {Genre::radio, "radio"},         {Genre::case_a_cocher, "case"},
        {Genre::combo, "combo"},         {Genre::liste, "liste"},
        {Genre::memo, "memo"},           {Genre::bouton, "bouton"},
        {Genre::bouton_plat, "bouton"},  {Genre::menu, "menu"},
        {Genre::minuterie, "minuterie"}, {Genre::image, "image"},
        {Genre::saisie, "saisie"},       {Genre::biseau, "biseau"}};
    return noms.at(g);
}

const char* nom_du_glyphe(Glyphe g) {
    switch (g) {
    case Glyphe::ok:
        return "ok";
    case Glyphe::annuler:
        return "annuler";
    case Glyphe::fermer:
        return "fermer";
    case Glyphe::fleche_haut:
        return "fleche_haut";
    case Glyphe::ouvrir:
        return "ouvrir";
    case Glyphe::quitter:
        return "quitter";
    case Glyphe::aucun:
        break;
    }
    return "";
}

std::vector<bool> drapeaux(const std::vector<bool>& v, std::size_t n) {
    std::vector<bool> r(n, false);
    for (std::size_t i = 0; i < n && i < v.size(); ++i)
        r[i] = v[i];
    return r;
}

// What each kind adds to the common part.
void ajoute_le_genre(const Controle& c, json& j) {
    if (const auto* f = dynamic_cast<const Forme*>(&c)) {
        j["cercle"] = f->contour == Contour::cercle;
        j["remplissage"] = css(f->remplissage);
        j["evidence"] = f->mis_en_evidence;
    } else if (const auto* l = dynamic_cast<const Label*>(&c)) {
        if (!l->transparent) j["fond"] = css(l->fond);
        j["couleur"] = css(l->couleur_texte);
        j["centre"] = l->centre;
        j["ajuste"] = l->autosize;
    } else if (const auto* p = dynamic_cast<const Panel*>(&c)) {
        j["fond"] = css(p->fond);
    } else if (const auto* g = dynamic_cast<const Groupe*>(&c)) {
        if (g->fond) j["fond"] = css(*g->fond);
    } else if (const auto* r = dynamic_cast<const RadioGroupe*>(&c)) {
        j["items"] = r->items;
        // What the pupil reads: "[D]" for the item "D,", which the handlers and the log know.
        std::vector<std::string> lus;
        for (std::size_t i = 0; i < r->items.size(); ++i)
            lus.push_back(r->texte_lu(static_cast<int>(i)));
        j["textes_lus"] = std::move(lus);
        j["index"] = r->index;
        j["inactifs"] = drapeaux(r->inactifs, r->items.size());
        j["caches"] = drapeaux(r->caches, r->items.size());
    } else if (const auto* k = dynamic_cast<const CaseACocher*>(&c)) {
        j["coche"] = k->checked;
    } else if (const auto* o = dynamic_cast<const Combo*>(&c)) {
        j["items"] = o->items;
        j["index"] = o->index;
    } else if (const auto* li = dynamic_cast<const Liste*>(&c)) {
        j["lignes"] = li->lignes;
        j["couleur"] = css(li->couleur_texte);
    } else if (const auto* m = dynamic_cast<const Memo*>(&c)) {
        j["lignes"] = m->lignes;
    } else if (const auto* b = dynamic_cast<const BoutonGlyphe*>(&c)) {
        j["glyphe"] = nom_du_glyphe(b->glyphe);
        j["plat"] = c.genre == Genre::bouton_plat;
    } else if (const auto* me = dynamic_cast<const Menu*>(&c)) {
        j["coche"] = me->checked;
        j["separateur"] = me->separateur;
        j["raccourcis"] = {me->raccourci, me->raccourci_bis};
    } else if (const auto* t = dynamic_cast<const Minuterie*>(&c)) {
        j["intervalle"] = t->intervalle;
    } else if (const auto* i = dynamic_cast<const Image*>(&c)) {
        j["depart"] = i->dessin == Dessin::depart;
        j["textes"] = i->textes;
    }
}

} // namespace

json controles_json(const Fiche& fiche, const std::set<const Controle*>& omis) {
    std::map<const Controle*, int> rang;
    json r = json::array();
    const auto& composants = fiche.composants();
    for (std::size_t i = 0; i < composants.size(); ++i) {
        const Controle& c = *composants[i];
        rang[&c] = static_cast<int>(i);
        const Controle& source = c.bulle_de ? *c.bulle_de : c;
        json j{{"nom", c.nom},
               {"genre", nom_du_genre(c.genre)},
               {"parent", c.parent && rang.count(c.parent) ? rang[c.parent] : -1},
               {"visible", c.visible && !omis.count(&c)},
               {"actif", c.enabled},
               {"x", c.left},
               {"y", c.top},
               {"l", c.width},
               {"h", c.height},
               {"texte", c.caption},
               {"bulle", fiche.show_hint_global && c.show_hint ? bulle_lisible(source.hint) : ""},
               {"police", {c.police.taille, c.police.gras}},
               {"souris", static_cast<bool>(c.on_mouse_down || c.on_mouse_up)}};
        ajoute_le_genre(c, j);
        r.push_back(std::move(j));
    }
    return r;
}

json fiche_json(const Fiche& fiche, const std::set<const Controle*>& omis) {
    return {{"nom", fiche.nom()},
            {"titre", fiche.caption},
            {"visible", fiche.visible},
            {"l", fiche.width},
            {"h", fiche.height},
            {"x", fiche.left},
            {"y", fiche.top},
            {"fond", css(fiche.fond)},
            {"controles", controles_json(fiche, omis)}};
}

} // namespace orvan
