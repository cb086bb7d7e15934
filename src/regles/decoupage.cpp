#include "regles/decoupage.h"

#include "ground/texte.h"

namespace orvan {

std::string nom_gene(const std::string& ligne) {
    const std::size_t n = nb_caracteres(ligne);
    if (n < 2) return {};
    // Drop the first and the last character, whatever their byte length.
    std::string sans_dernier = coupe(ligne, n - 1);
    std::string sans_premier = sans_dernier.substr(coupe(sans_dernier, 1).size());
    return coupe(sans_premier, 50);
}

std::string texte_choix_phenotype(const std::string& ligne) {
    const auto p = ligne.find(',');
    return p == std::string::npos ? std::string() : ligne.substr(0, p + 1);
}

std::string nom_phenotype(const std::string& ligne) {
    return avant(ligne, ',');
}

ListeGenotypes decoupe_genotypes(const std::string& ligne) {
    ListeGenotypes r;
    const auto p = ligne.find(']');
    r.phenotype = p == std::string::npos ? std::string() : ligne.substr(0, p + 1);
    std::string_view reste = ligne;
    while (contient(reste, "(")) {
        supprime_jusqua(reste, '(');
        r.genotypes.push_back(avant(reste, ')'));
        supprime_jusqua(reste, ')');
    }
    return r;
}

std::vector<Enonce> decoupe_relations(const std::string& ligne) {
    std::vector<Enonce> r;
    const auto egal = ligne.find('=');
    std::string_view reste = ligne;
    reste = egal == std::string::npos ? std::string_view() : reste.substr(egal + 1, 200);
    bool vrai = true;
    while (contient(reste, "(")) {
        const auto ouvre = reste.find('(');
        const auto ferme = reste.find(')');
        // The group runs to the character after the first ")": its separator, "," or "/".
        const std::string_view groupe = ferme == std::string::npos
                                            ? reste.substr(ouvre)
                                            : reste.substr(ouvre, ferme - ouvre + 2);
        const bool statut = vrai;
        if (contient(groupe, "/")) vrai = false;
        std::string texte;
        if (ferme != std::string::npos && ferme > ouvre)
            texte = reste.substr(ouvre + 1, ferme - ouvre - 1);
        else if (ferme == std::string::npos)
            texte = reste.substr(ouvre + 1);
        r.push_back({texte, statut});
        if (ferme == std::string::npos) break;
        supprime_jusqua(reste, ')');
    }
    return r;
}

std::vector<std::pair<std::string, int>> decoupe_couleurs(const std::string& ligne) {
    std::vector<std::pair<std::string, int>> r;
    std::string_view reste = ligne;
    while (contient(reste, "[")) {
        supprime_jusqua(reste, '[');
        const std::string nom = avant(reste, ']');
        supprime_jusqua(reste, ']');
        // The number stands from position 2, after the "=".
        std::string_view nombre;
        const auto virgule = reste.find(',');
        if (virgule != std::string::npos)
            nombre = virgule >= 1
                         ? reste.substr(std::min<std::size_t>(1, reste.size()), virgule - 1)
                         : std::string_view();
        else
            nombre = reste.substr(std::min<std::size_t>(1, reste.size()), 10);
        if (auto n = entier_strict(nombre)) r.emplace_back(nom, *n);
    }
    return r;
}

} // namespace orvan
