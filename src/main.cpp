// Process start: help and version without any display, the headless dump, or the window.
#include "app/commande_classe.h"
#include "app/commande_statistiques.h"
#include "app/ligne_de_commande.h"
#include "app/probabilites_json.h"
#include "app/vidage.h"
#include "ground/messages.h"
#include "qt/export_sans_affichage.h"
#include "qt/lancement.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

bool contient(const std::vector<std::string>& arguments, const std::string& option) {
    return std::find(arguments.begin() + 1, arguments.end(), option) != arguments.end();
}

orvan::APriori a_priori(const std::vector<std::string>& arguments) {
    return contient(arguments, "--population") ? orvan::APriori::population
                                               : orvan::APriori::programme;
}

} // namespace

int main(int argc, char** argv) {
    // Past a limit on file sizes, a write fails and says so instead of ending the process: a
    // save keeps the old file whole, and the window stays.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const orvan::Langue langue = orvan::langue_des_messages(arguments);
    // A language argument may stand before --help and --version.
    const std::size_t debut = !arguments.empty() && (arguments[0] == "1" || arguments[0] == "2");
    const std::string commande = arguments.size() > debut ? arguments[debut] : std::string();
    if (commande == "--help" || commande == "-h") {
        std::cout << orvan::msg::aide_ligne_de_commande.dans(langue);
        return 0;
    }
    if (commande == "--version") {
        std::cout << "orvan " << ORVAN_VERSION << '\n';
        return 0;
    }
    // The headless commands, after the language argument too.
    const std::vector<std::string> suite(arguments.begin() + static_cast<std::ptrdiff_t>(debut),
                                         arguments.end());
    if (!suite.empty() && suite[0] == "--dump") {
        if (suite.size() < 2) {
            std::cerr << orvan::msg::dump_sans_fichier.dans(langue) << '\n';
            return 2;
        }
        const bool probabilites = contient(suite, "--probabilites");
        return orvan::vidage(suite[1], std::cout, std::cerr, langue,
                             probabilites ? std::optional(a_priori(suite)) : std::nullopt);
    }
    if (!suite.empty() && suite[0] == "--probabilites") {
        if (suite.size() < 2) {
            std::cerr << orvan::msg::probabilites_sans_fichier.dans(langue) << '\n';
            return 2;
        }
        return orvan::vidage_probabilites(suite[1], a_priori(suite), std::cout, std::cerr, langue);
    }
    if (!suite.empty() && suite[0] == "--statistiques")
        return orvan::commande_statistiques({suite.begin() + 1, suite.end()}, std::cout, std::cerr,
                                            langue);
    if (!suite.empty() && suite[0] == "--classe")
        return orvan::commande_classe({suite.begin() + 1, suite.end()}, std::cout, std::cerr,
                                      langue);
    if (!suite.empty() && suite[0] == "--ped")
        return orvan::commande_ped({suite.begin() + 1, suite.end()}, std::cout, std::cerr, langue);
    if (!suite.empty() && suite[0] == "--export")
        return orvan::exporte_sans_affichage(argc, argv, {suite.begin() + 1, suite.end()},
                                             std::cerr, langue);
    if (const std::string option = orvan::option_inconnue(arguments); !option.empty()) {
        std::cerr << orvan::msg::option_inconnue.avec({orvan::Texte::tel_quel(option)}).dans(langue)
                  << '\n';
        return 2;
    }
    return orvan::lance_interface(argc, argv, arguments);
}
