#include "statistiques/tableur.h"

#include <cstdio>

namespace orvan {

namespace {

std::string champ(const std::string& texte, char separateur) {
    if (texte.find_first_of(std::string("\"\r\n") + separateur) == std::string::npos) return texte;
    std::string r = "\"";
    for (char c : texte)
        r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

} // namespace

FormatCsv format_csv(Langue langue) {
    return langue == Langue::anglais ? FormatCsv{',', '.'} : FormatCsv{';', ','};
}

void ligne_csv(std::string& sortie, const std::vector<std::string>& champs, const FormatCsv& f) {
    for (std::size_t i = 0; i < champs.size(); ++i) {
        if (i) sortie += f.separateur;
        sortie += champ(champs[i], f.separateur);
    }
    sortie += "\r\n";
}

std::string nombre_csv(double x, int decimales, const FormatCsv& f) {
    char t[48];
    std::snprintf(t, sizeof t, "%.*f", decimales, x);
    std::string r = t;
    for (char& c : r)
        if (c == '.') c = f.decimale;
    return r;
}

} // namespace orvan
