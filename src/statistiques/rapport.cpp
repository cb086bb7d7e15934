#include "statistiques/rapport.h"

#include <cmath>
#include <cstdio>
#include <set>

namespace orvan {

namespace {

std::string colonne(const std::string& texte, std::size_t largeur) {
    // Widths count characters: "×" and accents take more than one byte.
    std::size_t n = 0;
    for (unsigned char c : texte)
        n += (c & 0xC0) != 0x80;
    return texte + std::string(n < largeur ? largeur - n : 1, ' ');
}

std::string comptes_par_sexe(const TableCroisement& t) {
    std::set<std::string> phenotypes;
    for (const auto& [c, n] : t.observes)
        phenotypes.insert(c.phenotype);
    std::string r =
        "  " + colonne("phénotype", 14) + colonne("fils", 8) + colonne("filles", 8) + "total\n";
    for (const std::string& p : phenotypes) {
        double parts[2] = {0, 0};
        for (Sexe s : {Sexe::homme, Sexe::femme}) {
            const auto o = t.observes.find({p, s});
            parts[s == Sexe::femme] = o == t.observes.end() ? 0 : o->second;
        }
        r += "  " + colonne(p, 14) + colonne(nombre_fr(parts[0], 0), 8) +
             colonne(nombre_fr(parts[1], 0), 8) + nombre_fr(parts[0] + parts[1], 0) + "\n";
    }
    return r;
}

std::string rapport_comparaison(const std::string& titre, const Comparaison& c) {
    std::string r =
        "  " + titre + "\n  " + colonne("case", 20) + colonne("observé", 10) + "attendu\n";
    for (std::size_t i = 0; i < c.cases.size(); ++i)
        r += "  " + colonne(c.cases[i], 20) + colonne(nombre_fr(c.observes[i], 0), 10) +
             nombre_fr(c.attendus[i], 2) + "\n";
    return r + "  " + texte_du_test(c.test) + "\n";
}

} // namespace

std::string nombre_fr(double x, int decimales) {
    char t[48];
    std::snprintf(t, sizeof t, "%.*f", decimales, x);
    std::string r = t;
    for (char& c : r)
        if (c == '.') c = ',';
    return r;
}

std::string texte_du_test(const TestKhi2& t) {
    if (t.observe_hors_attendus)
        return "Des enfants sont observés là où aucun n'est attendu : l'hypothèse est exclue.";
    if (t.ddl == 0) return "Une seule case attendue : rien à tester.";
    std::string r = "khi² = " + nombre_fr(t.khi2, 3) + " ; ddl = " + std::to_string(t.ddl) +
                    " ; p = " + nombre_fr(t.p, 4);
    if (t.attendu_sous_5)
        r += "\n  Attention : un effectif attendu est inférieur à 5, le test est peu fiable.";
    return r;
}

std::string rapport_table(const TableCroisement& t, const std::optional<Hypothese>& hypothese) {
    const std::string genotypes =
        t.genotypes_parents.empty() ? "" : " (génotypes " + t.genotypes_parents + ")";
    std::string r = "Croisement " + t.phenotypes_parents + genotypes + " : " +
                    std::to_string(t.nb_unions) + (t.nb_unions > 1 ? " unions, " : " union, ") +
                    nombre_fr(total(t.observes), 0) + " enfants\n";
    r += comptes_par_sexe(t);
    if (const auto c = compare_au_programme(t))
        r += rapport_comparaison("Attendu par le programme (loi exacte) :", *c);
    if (hypothese)
        r += rapport_comparaison("Attendu par l'hypothèse :", compare_a_l_hypothese(t, *hypothese));
    return r;
}

} // namespace orvan
