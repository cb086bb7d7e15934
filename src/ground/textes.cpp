#include "ground/textes.h"

#include <cstdlib>

namespace orvan {

namespace {

std::string remplit(const std::string& modele, const std::vector<Texte>& valeurs, Langue l) {
    std::string r;
    std::size_t debut = 0;
    for (const Texte& v : valeurs) {
        const std::size_t p = modele.find("{}", debut);
        if (p == std::string::npos) break;
        r += modele.substr(debut, p - debut) + v.dans(l);
        debut = p + 2;
    }
    return r + modele.substr(debut);
}

} // namespace

Langue langue_numero(int k) {
    return k == static_cast<int>(Langue::anglais) ? Langue::anglais : Langue::francais;
}

Texte Texte::avec(const std::vector<Texte>& valeurs) const {
    return {remplit(francais, valeurs, Langue::francais),
            remplit(anglais, valeurs, Langue::anglais)};
}

Texte operator+(const Texte& a, const Texte& b) {
    return {a.francais + b.francais, a.anglais + b.anglais};
}

Texte operator+(const Texte& a, const std::string& b) {
    return {a.francais + b, a.anglais + b};
}

Texte operator+(const std::string& a, const Texte& b) {
    return {a + b.francais, a + b.anglais};
}

Langue langue_du_systeme() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valeur = std::getenv(variable);
        if (!valeur || !*valeur) continue;
        const std::string_view v(valeur);
        return v.substr(0, 2) == "en" && (v.size() == 2 || v[2] == '_' || v[2] == '.')
                   ? Langue::anglais
                   : Langue::francais;
    }
    return Langue::francais;
}

} // namespace orvan
