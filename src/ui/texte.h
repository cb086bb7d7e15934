// Text helpers. Text is UTF-8; the program's limits count characters, not bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvan {

// The first n characters of s.
std::string coupe(std::string_view s, std::size_t n);
std::size_t nb_caracteres(std::string_view s);

bool contient(std::string_view s, std::string_view motif);
// The text before the first occurrence of c (the whole text when c is absent).
std::string avant(std::string_view s, char c);
// Deletes everything up to and including the first c; nothing when c is absent.
void supprime_jusqua(std::string& s, char c);
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

} // namespace orvan
