#include "statistiques/rapport.h"

#include "ground/messages.h"

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

Texte colonne(const Texte& texte, std::size_t largeur) {
    return {colonne(texte.francais, largeur), colonne(texte.anglais, largeur)};
}

Texte comptes_par_sexe(const TableCroisement& t) {
    std::set<std::string> phenotypes;
    for (const auto& [c, n] : t.observes)
        phenotypes.insert(c.phenotype);
    Texte r = "  " + colonne(msg::phenotype, 14) + colonne(msg::fils, 10) +
              colonne(msg::filles, 11) + msg::total + "\n";
    for (const std::string& p : phenotypes) {
        double parts[2] = {0, 0};
        for (Sexe s : {Sexe::homme, Sexe::femme}) {
            const auto o = t.observes.find({p, s});
            parts[s == Sexe::femme] = o == t.observes.end() ? 0 : o->second;
        }
        r = r + "  " + colonne(p, 14) + colonne(nombre(parts[0], 0), 10) +
            colonne(nombre(parts[1], 0), 11) + nombre(parts[0] + parts[1], 0) + "\n";
    }
    return r;
}

Texte rapport_comparaison(const Texte& titre, const Comparaison& c) {
    Texte r = "  " + titre + "\n  " + colonne(msg::case_du_tableau, 20) +
              colonne(msg::observe, 10) + msg::attendu + "\n";
    for (std::size_t i = 0; i < c.cases.size(); ++i)
        r = r + "  " + colonne(c.cases[i], 20) + colonne(nombre(c.observes[i], 0), 10) +
            nombre(c.attendus[i], 2) + "\n";
    return r + "  " + texte_du_test(c.test) + "\n";
}

} // namespace

Texte nombre(double x, int decimales) {
    char t[48];
    std::snprintf(t, sizeof t, "%.*f", decimales, x);
    std::string virgule = t;
    for (char& c : virgule)
        if (c == '.') c = ',';
    return {virgule, t};
}

Texte texte_du_test(const TestKhi2& t) {
    if (t.observe_hors_attendus) return msg::hypothese_exclue;
    if (t.ddl == 0) return msg::rien_a_tester;
    Texte r = msg::resultat_khi2.avec(
        {nombre(t.khi2, 3), Texte::tel_quel(std::to_string(t.ddl)), nombre(t.p, 4)});
    if (t.attendu_sous_5) r = r + "\n  " + msg::attendu_sous_5;
    return r;
}

Texte rapport_table(const TableCroisement& t, const std::optional<Hypothese>& hypothese) {
    const Texte genotypes =
        t.genotypes_parents.empty()
            ? Texte()
            : msg::genotypes_des_parents.avec({Texte::tel_quel(t.genotypes_parents)});
    const Texte enfants = nombre(total(t.observes), 0);
    const Texte unions =
        t.nb_unions > 1
            ? msg::unions_et_enfants.avec({Texte::tel_quel(std::to_string(t.nb_unions)), enfants})
            : msg::une_union_et_enfants.avec({enfants});
    Texte r = msg::croisement.avec({Texte::tel_quel(t.phenotypes_parents), genotypes, unions}) +
              "\n" + comptes_par_sexe(t);
    if (const auto c = compare_au_programme(t))
        r = r + rapport_comparaison(msg::attendu_par_le_programme_titre, *c);
    if (hypothese)
        r = r +
            rapport_comparaison(msg::attendu_par_l_hypothese, compare_a_l_hypothese(t, *hypothese));
    return r;
}

} // namespace orvan
