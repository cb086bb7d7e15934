// Text helpers. Text is UTF-8; the program's limits count characters, not bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan {

// The first n characters of s.
std::string coupe(std::string_view s, std::size_t n);
std::size_t nb_caracteres(std::string_view s);

bool contient(std::string_view s, std::string_view motif);
// The text before the first occurrence of c (the whole text when c is absent).
std::string avant(std::string_view s, char c);
// Deletes everything up to and including the first c; nothing when c is absent.
void supprime_jusqua(std::string& s, char c);
// The same on a view, which drops the front of what it shows without moving any text.
void supprime_jusqua(std::string_view& s, char c);
int compte(std::string_view s, char c);

// A genotype hint "XD,Y//A,O" as the pupil reads it: each gene's genotype on its own line, an
// empty one left out ("Xd,XD//," reads "Xd,XD"). Any other hint stays as it is.
std::string bulle_lisible(std::string_view hint);

// A whole decimal integer with an optional sign, as the toolkit's conversion reads it.
std::optional<int> entier_strict(std::string_view s);

// Windows-1252 <-> UTF-8. Bytes that the code page leaves undefined map to the C1 controls,
// so that a round trip keeps every byte.
std::string cp1252_vers_utf8(std::string_view s);
std::string utf8_vers_cp1252(std::string_view s);
bool utf8_valide(std::string_view s);

// The text as a reader sees a file's bytes: valid UTF-8 stays, anything else is Windows-1252.
std::string texte_des_octets(std::string octets);
// Calls f(debut, longueur) for each line of the text: CR LF, CR or LF end a line, a last line
// without ending counts.
template <class F> void pour_chaque_ligne(std::string_view texte, F f) {
    std::size_t debut = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] != '\r' && texte[i] != '\n') continue;
        f(debut, i - debut);
        if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < texte.size()) f(debut, texte.size() - debut);
}
std::size_t nombre_de_lignes(std::string_view texte);
std::vector<std::string> coupe_en_lignes(std::string_view texte);
// Cuts a file's bytes into lines: CR LF, CR or LF end a line, a last line without ending
// counts, a NUL ends the text. Valid UTF-8 is kept, anything else is read as Windows-1252.
std::vector<std::string> lignes_du_texte(std::string_view octets);
// The bytes written for the lines: Windows-1252 when those bytes read back as the same text,
// else UTF-8.
std::string texte_des_lignes(const std::vector<std::string>& lignes);

} // namespace orvan
