#include "history/actions.h"

#include "ui/texte.h"

#include <array>
#include <string_view>

namespace orvan {

namespace {

bool ouvre_un_panneau(const std::string& l) {
    return contient(l, "choix_all");
}

// The lines a panel writes while it is open.
bool dans_un_panneau(const std::string& l) {
    constexpr std::array<std::string_view, 6> cles = {
        "prem_alleleclick", "sec_alleleclick", "nb_desc",
        "choix_gen",        "choix_sexeclick", "gametes_chromosome_sexuel"};
    for (std::string_view c : cles)
        if (contient(l, c)) return true;
    return false;
}

bool ferme_un_panneau(const std::string& l) {
    return l == "all_okclick" || l == "all_annulclick" || l == "bitbtn8click" ||
           l == "bitbtn7click";
}

// The opening of the panel that the lines from `fin` back belong to, or `fin` when they are
// not a panel's.
std::size_t ouverture_du_panneau(const std::vector<std::string>& l, std::size_t premiere,
                                 std::size_t fin) {
    std::size_t i = fin;
    if (ferme_un_panneau(l[i])) {
        if (i == premiere) return fin;
        --i;
    }
    while (i > premiere && dans_un_panneau(l[i]))
        --i;
    return ouvre_un_panneau(l[i]) ? i : fin;
}

} // namespace

std::size_t debut_derniere_action(const std::vector<std::string>& l, std::size_t premiere) {
    if (l.size() <= premiere) return l.size();
    const std::size_t fin = l.size() - 1;
    const std::size_t panneau = ouverture_du_panneau(l, premiere, fin);
    if (panneau != fin || ouvre_un_panneau(l[fin])) return panneau;
    std::size_t i = fin;
    if (contient(l[fin], "decal_fratrie"))
        while (i > premiere && contient(l[i - 1], "decal_fratrie"))
            --i;
    return i;
}

} // namespace orvan
