#include "pedigree/gametes.h"

#include "ui/texte.h"

namespace orvan {

std::string tete(std::string_view s) {
    const auto p = s.find(',');
    return p == std::string_view::npos ? std::string() : std::string(s.substr(0, p));
}

std::string queue(std::string_view s, std::size_t m) {
    const auto p = s.find(',');
    return p == std::string_view::npos ? coupe(s, m) : coupe(s.substr(p + 1), m);
}

std::array<std::string, 4> gametes(std::string_view g1, std::string_view g2) {
    return {coupe(tete(g1) + "," + tete(g2), 20), coupe(queue(g1, 10) + "," + queue(g2, 10), 20),
            coupe(tete(g1) + "," + queue(g2, 10), 20), coupe(queue(g1, 10) + "," + tete(g2), 20)};
}

std::string sexe_genotype(std::string_view g) {
    if (contient(g, "Y")) return "homme";
    if (contient(g, "X")) return "femme";
    return "rien";
}

bool deux_x(std::string_view g) {
    const auto p = g.find('X');
    return p != std::string_view::npos && g.find('X', p + 1) != std::string_view::npos;
}

} // namespace orvan
