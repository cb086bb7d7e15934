// Process start: help and version without any display, the headless dump, or the window.
#include "app/probabilites_json.h"
#include "app/vidage.h"
#include "qt/export_sans_affichage.h"
#include "qt/lancement.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

void aide() {
    std::cout << "Usage : orvan [1|2] [--enseignant] [FAMILLE.gen]\n"
                 "        orvan --dump FICHIER.gen [--probabilites [--population]]\n"
                 "        orvan --probabilites FAMILLE.gen [--population]\n"
                 "        orvan --export FAMILLE.gen IMAGE.png|svg|pdf"
                 " [--motifs] [--numerotation]\n\n"
                 "Orvan montre l'hérédité humaine sur l'arbre généalogique d'une famille.\n\n"
                 "  1                  textes français du fichier de langue\n"
                 "  2                  textes anglais du fichier de langue\n"
                 "  --enseignant       choix du mode et des gènes, menus cachés montrés\n"
                 "  FAMILLE.gen        ouvre cette famille au démarrage\n"
                 "  --dump FICHIER     rejoue FICHIER sans fenêtre et écrit la famille en JSON,\n"
                 "                     avec les probabilités de chaque individu sur demande\n"
                 "  --probabilites FAMILLE\n"
                 "                     rejoue FAMILLE sans fenêtre et écrit en JSON la\n"
                 "                     probabilité de chaque génotype de chaque individu, sachant\n"
                 "                     ce que la famille montre ; --population : les fondateurs\n"
                 "                     et les conjoints pris dans la population, et non tels que\n"
                 "                     le programme les tire\n"
                 "  --export FAMILLE IMAGE\n"
                 "                     rejoue FAMILLE sans fenêtre et en écrit l'image (PNG, SVG\n"
                 "                     ou PDF, d'après le nom), avec les motifs des phénotypes\n"
                 "                     et la numérotation des générations sur demande\n"
                 "  --help             cette aide\n"
                 "  --version          la version\n";
}

bool contient(const std::vector<std::string>& arguments, const std::string& option) {
    return std::find(arguments.begin() + 1, arguments.end(), option) != arguments.end();
}

orvan::APriori a_priori(const std::vector<std::string>& arguments) {
    return contient(arguments, "--population") ? orvan::APriori::population
                                               : orvan::APriori::programme;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        aide();
        return 0;
    }
    if (!arguments.empty() && arguments[0] == "--version") {
        std::cout << "orvan " << ORVAN_VERSION << '\n';
        return 0;
    }
    if (!arguments.empty() && arguments[0] == "--dump") {
        if (arguments.size() < 2) {
            std::cerr << "orvan --dump : il manque le nom du fichier\n";
            return 2;
        }
        const bool probabilites = contient(arguments, "--probabilites");
        return orvan::vidage(arguments[1], std::cout, std::cerr,
                             probabilites ? std::optional(a_priori(arguments)) : std::nullopt);
    }
    if (!arguments.empty() && arguments[0] == "--probabilites") {
        if (arguments.size() < 2) {
            std::cerr << "orvan --probabilites : il manque le nom du fichier\n";
            return 2;
        }
        return orvan::vidage_probabilites(arguments[1], a_priori(arguments), std::cout, std::cerr);
    }
    if (!arguments.empty() && arguments[0] == "--export")
        return orvan::exporte_sans_affichage(argc, argv, {arguments.begin() + 1, arguments.end()},
                                             std::cerr);
    return orvan::lance_interface(argc, argv, arguments);
}
