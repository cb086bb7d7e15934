#include "probabilites/frequences_texte.h"

#include <algorithm>
#include <cctype>

namespace orvan {

namespace {

std::string_view sans_espaces(std::string_view t) {
    const auto espace = [](char c) { return c == ' ' || c == '\t'; };
    while (!t.empty() && espace(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && espace(t.back()))
        t.remove_suffix(1);
    return t;
}

bool chiffres(std::string_view t) {
    return !t.empty() && t.size() <= 30 &&
           std::all_of(t.begin(), t.end(), [](char c) { return std::isdigit(c & 0xff) != 0; });
}

// "12", "0,08", ".5": digits with at most one decimal separator.
std::optional<Rationnel> lit_decimal(std::string_view t) {
    const auto sep = t.find_first_of(".,");
    const std::string_view entiers = t.substr(0, sep);
    const std::string_view decimales = sep == std::string_view::npos ? "" : t.substr(sep + 1);
    if (sep != std::string_view::npos && !chiffres(decimales)) return std::nullopt;
    if (!entiers.empty() && !chiffres(entiers)) return std::nullopt;
    if (entiers.empty() && decimales.empty()) return std::nullopt;
    Entier puissance = 1;
    for (std::size_t i = 0; i < decimales.size(); ++i)
        puissance *= 10;
    Rationnel q{
        entier_du_texte(std::string(entiers.empty() ? "0" : entiers) + std::string(decimales)),
        puissance};
    canonise(q);
    return q;
}

} // namespace

std::optional<Rationnel> lit_frequence(std::string_view texte) {
    std::string_view t = sans_espaces(texte);
    bool pour_cent = false;
    if (!t.empty() && t.back() == '%') {
        pour_cent = true;
        t = sans_espaces(t.substr(0, t.size() - 1));
    }
    std::optional<Rationnel> q;
    if (const auto barre = t.find('/'); barre != std::string_view::npos) {
        const std::string_view n = sans_espaces(t.substr(0, barre));
        const std::string_view d = sans_espaces(t.substr(barre + 1));
        if (!chiffres(n) || !chiffres(d) || entier_du_texte(std::string(d)) == 0)
            return std::nullopt;
        q = Rationnel{entier_du_texte(std::string(n)), entier_du_texte(std::string(d))};
        canonise(*q);
    } else {
        q = lit_decimal(t);
    }
    if (q && pour_cent) *q /= 100;
    return q;
}

std::string ecrit_frequence(const Rationnel& f, Langue langue) {
    Entier reste = denominateur(f);
    int deux = 0, cinq = 0;
    while (reste % 2 == 0) {
        reste /= 2;
        ++deux;
    }
    while (reste % 5 == 0) {
        reste /= 5;
        ++cinq;
    }
    const int decimales = std::max(deux, cinq);
    if (reste != 1 || decimales > 12)
        return en_texte(numerateur(f)) + "/" + en_texte(denominateur(f));
    Entier puissance = 1;
    for (int i = 0; i < decimales; ++i)
        puissance *= 10;
    const Entier entier = numerateur(f) * puissance / denominateur(f);
    std::string chiffres = en_texte(entier);
    if (decimales == 0) return chiffres;
    if (static_cast<int>(chiffres.size()) <= decimales)
        chiffres.insert(0, static_cast<std::size_t>(decimales + 1) - chiffres.size(), '0');
    chiffres.insert(chiffres.size() - static_cast<std::size_t>(decimales),
                    langue == Langue::anglais ? "." : ",");
    return chiffres;
}

bool frequences_valides(const FrequencesGene& f) {
    Rationnel somme = 0;
    for (const auto& [allele, p] : f) {
        if (signe(p) <= 0) return false;
        somme += p;
    }
    return !f.empty() && somme == 1;
}

std::string frequences_en_texte(const std::map<std::string, FrequencesGene>& f) {
    std::string t;
    for (const auto& [gene, frequences] : f) {
        t += gene;
        for (const auto& [allele, p] : frequences)
            t += "\t" + allele + "=" + en_texte(p);
        t += "\n";
    }
    return t;
}

std::map<std::string, FrequencesGene> frequences_du_texte(std::string_view texte) {
    std::map<std::string, FrequencesGene> r;
    while (!texte.empty()) {
        const auto fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        texte = fin == std::string_view::npos ? "" : texte.substr(fin + 1);
        const auto tab = ligne.find('\t');
        if (tab == std::string_view::npos) continue;
        const std::string gene(ligne.substr(0, tab));
        FrequencesGene frequences;
        bool lisible = true;
        for (ligne = ligne.substr(tab + 1); lisible;) {
            const auto suivant = ligne.find('\t');
            const std::string_view champ = ligne.substr(0, suivant);
            const auto egal = champ.rfind('=');
            const auto p = egal == std::string_view::npos ? std::nullopt
                                                          : lit_frequence(champ.substr(egal + 1));
            lisible = p.has_value();
            if (lisible) frequences[std::string(champ.substr(0, egal))] = *p;
            if (suivant == std::string_view::npos) break;
            ligne = ligne.substr(suivant + 1);
        }
        if (lisible && frequences_valides(frequences)) r[gene] = frequences;
    }
    return r;
}

} // namespace orvan
