// Process start: help and version without any display, the headless dump, or the window.
#include "app/commande_statistiques.h"
#include "app/vidage.h"
#include "qt/export_sans_affichage.h"
#include "qt/lancement.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

void aide() {
    std::cout << "Usage : orvan [1|2] [--enseignant] [FAMILLE.gen]\n"
                 "        orvan --dump FICHIER.gen\n"
                 "        orvan --export FAMILLE.gen IMAGE.png|svg|pdf"
                 " [--motifs] [--numerotation]\n"
                 "        orvan --statistiques FICHIERS|DOSSIERS... [--csv FICHIER.csv]"
                 " [--hypothese \"D=3 d=1\"]\n"
                 "                             [--nouvelles N --comme FAMILLE.gen"
                 " [--graine G]]\n"
                 "        orvan --ped FAMILLE.gen [--gene 1|2] [--atteint PHENOTYPE]\n\n"
                 "Orvan montre l'hérédité humaine sur l'arbre généalogique d'une famille.\n\n"
                 "  1                  textes français du fichier de langue\n"
                 "  2                  textes anglais du fichier de langue\n"
                 "  --enseignant       choix du mode et des gènes, menus cachés montrés\n"
                 "  FAMILLE.gen        ouvre cette famille au démarrage\n"
                 "  --dump FICHIER     rejoue FICHIER sans fenêtre et écrit la famille en JSON\n"
                 "  --export FAMILLE IMAGE\n"
                 "                     rejoue FAMILLE sans fenêtre et en écrit l'image (PNG, SVG\n"
                 "                     ou PDF, d'après le nom), avec les motifs des phénotypes\n"
                 "                     et la numérotation des générations sur demande\n"
                 "  --statistiques     rejoue sans fenêtre les familles enregistrées (un dossier\n"
                 "                     pour tous ses .gen) et N nouvelles familles faites comme\n"
                 "                     FAMILLE.gen, puis écrit par croisement les enfants par\n"
                 "                     phénotype et sexe, les effectifs attendus et le khi² ;\n"
                 "                     --csv écrit un individu par ligne (UTF-8, « ; »)\n"
                 "  --ped FAMILLE      écrit la famille au format PED des logiciels de pedigree\n"
                 "  --help             cette aide\n"
                 "  --version          la version\n";
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
        return orvan::vidage(arguments[1], std::cout, std::cerr);
    }
    if (!arguments.empty() && arguments[0] == "--statistiques")
        return orvan::commande_statistiques({arguments.begin() + 1, arguments.end()}, std::cout,
                                            std::cerr);
    if (!arguments.empty() && arguments[0] == "--ped")
        return orvan::commande_ped({arguments.begin() + 1, arguments.end()}, std::cout, std::cerr);
    if (!arguments.empty() && arguments[0] == "--export")
        return orvan::exporte_sans_affichage(argc, argv, {arguments.begin() + 1, arguments.end()},
                                             std::cerr);
    return orvan::lance_interface(argc, argv, arguments);
}
