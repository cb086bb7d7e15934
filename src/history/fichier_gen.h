// The file form of the event log: one line per line, CR LF after each.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan {

// Cuts a file's bytes into lines: CR LF, CR or LF end a line, a last line without ending
// counts, a NUL ends the text. Valid UTF-8 is kept, anything else is read as Windows-1252.
std::vector<std::string> lignes_du_texte(std::string_view octets);
// The bytes written for the lines: Windows-1252 when every line fits it, else UTF-8.
std::string texte_des_lignes(const std::vector<std::string>& lignes);

std::optional<std::vector<std::string>> lit_fichier_gen(const std::string& chemin);

enum class Ecriture { reussie, creation_impossible, erreur_ecriture };
// Writes beside the target first and renames over it only once every line is written, so a
// failure never destroys the file that was there.
Ecriture ecrit_fichier_gen(const std::string& chemin, const std::vector<std::string>& lignes);

// The file's name without its directories.
std::string nom_sans_repertoire(std::string chemin);

} // namespace orvan
