#include "regles/gametes.h"

#include "ground/texte.h"

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

namespace {

// The allele of a sex-linked genotype that holds the letter: "XD" of "Y,XD" for "X".
std::string allele_portant(std::string_view g, std::string_view lettre) {
    const std::string premier = tete(g);
    return contient(premier, lettre) ? premier : queue(g, 10);
}

bool pere_deux_genes_sur_x(std::string_view g1, std::string_view g2) {
    return contient(g1, "X") && contient(g2, "X") && contient(g1, "Y") && contient(g2, "Y");
}

} // namespace

std::array<std::string, 4> gametes(std::string_view g1, std::string_view g2, RegleGametes regle) {
    if (regle == RegleGametes::melange_libre || !pere_deux_genes_sur_x(g1, g2))
        return gametes(g1, g2);
    const std::string x = coupe(allele_portant(g1, "X") + "," + allele_portant(g2, "X"), 20);
    const std::string y = coupe(allele_portant(g1, "Y") + "," + allele_portant(g2, "Y"), 20);
    return {x, y, x, y};
}

std::optional<Sexe> sexe_genotype(std::string_view g) {
    if (contient(g, "Y")) return Sexe::homme;
    if (contient(g, "X")) return Sexe::femme;
    return std::nullopt;
}

bool convient_au_sexe(std::string_view g, Sexe sexe) {
    return sexe == Sexe::femme ? !contient(g, "Y") : compte(g, 'X') < 2;
}

bool deux_x(std::string_view g) {
    const auto p = g.find('X');
    return p != std::string_view::npos && g.find('X', p + 1) != std::string_view::npos;
}

} // namespace orvan
