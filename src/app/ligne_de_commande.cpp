#include "app/ligne_de_commande.h"

#include <filesystem>

namespace orvan {

namespace {

// Whatever stands under that name is taken: a pipe or a folder then says why it does not open.
bool ressemble_a_un_chemin(const std::string& a) {
    std::error_code ec;
    return a.find('/') != std::string::npos ||
           (a.size() > 4 && a.compare(a.size() - 4, 4, ".gen") == 0) ||
           std::filesystem::exists(a, ec);
}

} // namespace

LigneDeCommande lit_ligne_de_commande(const std::vector<std::string>& arguments) {
    LigneDeCommande l;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (i == 0 && (a == "1" || a == "2"))
            l.langue = a == "1" ? Langue::francais : Langue::anglais;
        else if (a == "--enseignant")
            l.enseignant = true;
        else if (l.fichier.empty() && a.rfind("--", 0) != 0 && ressemble_a_un_chemin(a))
            l.fichier = a;
    }
    return l;
}

std::string option_inconnue(const std::vector<std::string>& arguments) {
    for (const std::string& a : arguments)
        if (a.rfind("--", 0) == 0 && a != "--enseignant") return a;
    return {};
}

Langue langue_des_messages(const std::vector<std::string>& arguments) {
    if (!arguments.empty() && arguments[0] == "1") return Langue::francais;
    if (!arguments.empty() && arguments[0] == "2") return Langue::anglais;
    return langue_du_systeme();
}

} // namespace orvan
