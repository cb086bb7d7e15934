#include "web/textes_page.h"

#include "ground/messages.h"

#include <utility>

namespace orvan {

nlohmann::ordered_json textes_de_la_page(Langue langue) {
    const std::pair<const char*, const Texte*> textes[] = {
        {"agrandir", &msg::page_agrandir},
        {"reduire", &msg::page_reduire},
        {"taille_reelle", &msg::page_taille_reelle},
        {"plein_ecran", &msg::page_plein_ecran},
        {"exporter_svg", &msg::page_exporter_svg},
        {"exporter_png", &msg::page_exporter_png},
        {"exporter_titre", &msg::page_exporter_titre},
        {"choisir_fichier", &msg::page_choisir_fichier},
        {"deposer_fichier", &msg::page_deposer_fichier},
        {"nom_fichier", &msg::page_nom_fichier},
        {"arbre", &msg::page_arbre},
        {"barre_menus", &msg::page_barre_menus},
        {"fichier_illisible", &msg::page_fichier_illisible},
        {"fermee", &msg::page_fermee},
        {"ok", &msg::ok},
        {"annuler", &msg::annuler},
        {"fermer", &msg::fermer},
        {"exemples", &msg::exemples},
    };
    nlohmann::ordered_json r;
    for (const auto& [nom, texte] : textes)
        r[nom] = texte->dans(langue);
    return r;
}

} // namespace orvan
